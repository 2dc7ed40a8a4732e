#include "text/number_text.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

/*
 * Halfway points between neighbouring doubles have at most 767 significant
 * decimal digits, so keeping 780 and folding the rest into one sticky digit
 * rounds every input exactly as the full text would.
 */
constexpr size_t KeptDigits = 780;

/* Far beyond any double, small enough that sums cannot overflow. */
constexpr long long ExponentLimit = 100000;

struct DecimalNumber {
    char digits[KeptDigits + 2]; /* significant digits, without the point */
    size_t count;
    long long exponent; /* value = digits * 10^exponent */
    bool negative;
    bool sticky; /* a non-zero digit beyond the kept ones */
    bool hadDigits;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

long long ClampExponent(long long value)
{
    if (value > ExponentLimit)
        return ExponentLimit;
    if (value < -ExponentLimit)
        return -ExponentLimit;
    return value;
}

const char* SkipSpaces(const char* p)
{
    while (IsSpaceByte(*p))
        ++p;
    return p;
}

const char* ReadSign(const char* p, bool* negative)
{
    *negative = *p == '-';
    return (*p == '-' || *p == '+') ? p + 1 : p;
}

/* One mantissa digit; `inFraction` digits lower the exponent as they are kept. */
void TakeDigit(DecimalNumber* number, char digit, bool inFraction)
{
    number->hadDigits = true;
    if (number->count == 0 && digit == '0') {
        if (inFraction)
            number->exponent = ClampExponent(number->exponent - 1);
        return;
    }
    if (number->count < KeptDigits) {
        number->digits[number->count++] = digit;
        if (inFraction)
            number->exponent = ClampExponent(number->exponent - 1);
        return;
    }
    if (digit != '0')
        number->sticky = true;
    if (!inFraction)
        number->exponent = ClampExponent(number->exponent + 1);
}

const char* ReadMantissa(const char* p, DecimalNumber* number)
{
    while (IsDigit(*p))
        TakeDigit(number, *p++, false);
    if (*p == '.') {
        const char* q = p + 1;
        while (IsDigit(*q))
            TakeDigit(number, *q++, true);
        /* A lone point belongs to the number only when digits surround it. */
        if (number->hadDigits)
            p = q;
    }
    return p;
}

/* The exponent counts only when at least one digit follows the 'e'. */
void ReadExponent(const char* p, DecimalNumber* number)
{
    if (*p != 'e' && *p != 'E')
        return;
    bool negative = false;
    const char* q = ReadSign(p + 1, &negative);
    if (!IsDigit(*q))
        return;
    long long value = 0;
    while (IsDigit(*q))
        value = ClampExponent(value * 10 + (*q++ - '0'));
    number->exponent = ClampExponent(number->exponent + (negative ? -value : value));
}

/* Digits and exponent only: without a decimal point strtod reads the same in
   every locale. */
double ConvertDecimal(DecimalNumber* number)
{
    if (number->count == 0)
        return number->negative ? -0.0 : 0.0;
    /* Up to 15 digits and powers of ten up to 1e22 are exact doubles, so one
       multiplication or division rounds exactly as a correct strtod does,
       without the formatting round trip that every label size paid. */
    static const double ExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!number->sticky && number->count <= 15 && number->exponent >= -22 && number->exponent <= 22) {
        double value = 0.0;
        for (size_t i = 0; i < number->count; ++i)
            value = value * 10.0 + (number->digits[i] - '0');
        const long long exponent = number->exponent;
        value = exponent < 0 ? value / ExactPowers[-exponent] : value * ExactPowers[exponent];
        return number->negative ? -value : value;
    }
    if (number->sticky) {
        number->digits[number->count++] = '1';
        number->exponent = ClampExponent(number->exponent - 1);
    }
    char text[KeptDigits + 32];
    snprintf(text, sizeof text, "%s%.*se%lld", number->negative ? "-" : "", static_cast<int>(number->count),
             number->digits, number->exponent);
    return strtod(text, nullptr);
}

}  // namespace

bool IsSpaceByte(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

double ReadLeadingDouble(const char* text, bool* hadNumber)
{
    DecimalNumber number{};
    if (text != nullptr) {
        const char* p = ReadSign(SkipSpaces(text), &number.negative);
        p = ReadMantissa(p, &number);
        if (number.hadDigits)
            ReadExponent(p, &number);
    }
    if (hadNumber != nullptr)
        *hadNumber = number.hadDigits;
    return number.hadDigits ? ConvertDecimal(&number) : 0.0;
}

int ReadLeadingInteger(const char* text, bool* hadDigits)
{
    bool negative = false;
    bool any = false;
    long long magnitude = 0;
    /* One past INT_MAX so that INT_MIN itself stays reachable. */
    const long long cap = static_cast<long long>(INT_MAX) + 1;
    if (text != nullptr) {
        const char* p = ReadSign(SkipSpaces(text), &negative);
        for (; IsDigit(*p); ++p) {
            any = true;
            magnitude = magnitude * 10 + (*p - '0');
            if (magnitude > cap)
                magnitude = cap;
        }
    }
    if (hadDigits != nullptr)
        *hadDigits = any;
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

bool FormatFixed2(char* dest, size_t destSize, double value)
{
    if (dest == nullptr || destSize == 0)
        return false;
    char text[400]; /* the largest double has 309 integer digits */
    int length = snprintf(text, sizeof text, "%2.2f", value);
    if (length < 0 || static_cast<size_t>(length) >= sizeof text) {
        dest[0] = '\0';
        return false;
    }
    /* The host's locale may have written its own decimal point, possibly
       several bytes long, between the integer digits and the last two. */
    size_t pointStart = (text[0] == '-') ? 1 : 0;
    while (IsDigit(text[pointStart]))
        ++pointStart;
    size_t pointEnd = static_cast<size_t>(length) - 2;
    if (length >= 3 && pointStart < pointEnd && IsDigit(text[pointEnd]) && IsDigit(text[pointEnd + 1])) {
        text[pointStart] = '.';
        memmove(text + pointStart + 1, text + pointEnd, 3);
    }
    size_t needed = strlen(text) + 1;
    if (needed > destSize) {
        dest[0] = '\0';
        return false;
    }
    memcpy(dest, text, needed);
    return true;
}
