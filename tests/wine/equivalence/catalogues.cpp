#include "catalogues.h"

#include "observation_log.h"

std::string MixedCatalogue()
{
    return "[\n"
           " {\"name\":\"Shipping 4x6\",\"width\":\"4.00\",\"length\":\"6.00\",\"horzOffset\":\"0\","
           "\"vertOffset\":\"0\",\"units\":1,\"id\":257},\n"
           " {\"name\":\"Vial\",\"width\":\"50\",\"length\":\"25\",\"horzOffset\":\"12\",\"vertOffset\":\"-"
           "15\","
           "\"units\":0,\"id\":258},\n"
           " {\"name\":\"Tenths\",\"width\":\"1016\",\"length\":\"1524\",\"horzOffset\":\"12.7\","
           "\"vertOffset\":\"\",\"units\":2,\"id\":300},\n"
           " {\"name\":\"Duplicate id\",\"width\":\"2\",\"length\":\"1\",\"horzOffset\":\"-0\","
           "\"vertOffset\":\"abc\",\"units\":1,\"id\":300},\n"
           " {\"name\":\"Caf\xe9 "
           "\\\"quoted\\\"\",\"width\":\"3.5\",\"length\":\"120\",\"horzOffset\":\"1200\","
           "\"vertOffset\":\"-1200\",\"units\":1,\"id\":301},\n"
           " {\"NAME\":\"Keys in "
           "capitals\",\"Width\":\"101.6\",\"LENGTH\":\"152.4\",\"units\":0,\"id\":302},\n"
           " {},\n"
           " {\"name\":\"Repaired\",\"width\":\"200\",\"length\":\"5\",\"horzOffset\":\"1500\","
           "\"vertOffset\":\"12345678\",\"units\":5,\"id\":40000},\n"
           " {\"name\":\"Last\",\"width\":\"5.06\",\"length\":\"0.40\",\"units\":1,\"id\":\"310\"}\n"
           "] text after the array";
}

std::string NumberedCatalogue(int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i)
        text += Format("%s{\"name\":\"L%d\",\"width\":\"4.00\",\"length\":\"6.00\",\"horzOffset\":\"0\","
                       "\"vertOffset\":\"0\",\"units\":1,\"id\":%d}",
                       i == 0 ? "" : ",", i + 1, 257 + i);
    return text + "]";
}

std::string TenthsFirstCatalogue()
{
    return "[{\"name\":\"Tenths\",\"width\":\"1016\",\"length\":\"1524\",\"horzOffset\":\"5\","
           "\"vertOffset\":\"-5\",\"units\":2,\"id\":257},"
           "{\"name\":\"Millimetres\",\"width\":\"128.7\",\"length\":\"3048\",\"horzOffset\":\"0\","
           "\"vertOffset\":\"0\",\"units\":0,\"id\":258}]";
}
