// The signalling tables and their helpers.
#include "model/SignallingTables.h"

// std
#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{
constexpr int kMaxStoredToneIndex = 59;

constexpr int kMotorola11Groups = 8;
constexpr int kReachGroups = 5;
constexpr int kFirstReachGroup = 10;
constexpr int kGroupSize = 10;

constexpr double kMotorola11Tones[kMotorola11Groups * kGroupSize] = {
    349.0,  368.5,  389.0,  410.8,  433.7,  457.9,  483.5,  510.5,  539.0,  330.5,  600.9,  634.5,
    669.9,  707.3,  746.8,  788.5,  832.5,  879.0,  928.1,  569.1,  288.5,  296.5,  304.7,  313.0,
    953.7,  979.9,  1006.9, 1034.7, 1063.2, 1092.4, 339.6,  358.6,  378.6,  399.8,  422.1,  445.7,
    470.5,  496.8,  524.6,  321.7,  584.8,  617.4,  651.9,  688.3,  726.8,  767.4,  810.2,  855.5,
    903.2,  553.9,  1153.4, 1185.2, 1217.8, 1251.4, 1285.8, 1321.2, 1357.6, 1395.0, 1433.4, 1122.5,
    1513.5, 1555.2, 1598.0, 1642.0, 1687.2, 1733.7, 1781.5, 1830.5, 1881.0, 1472.9, 1989.0, 2043.8,
    2094.5, 2155.6, 2212.2, 2271.7, 2334.6, 2401.0, 2468.2, 1930.2,
};

constexpr double kMotorola22Tones[36] = {
    398.1, 441.6, 489.8, 543.3, 602.6, 668.3, 741.3, 822.2, 912.0, 358.9, 1011.6, 1122.1,
    412.1, 457.1, 507.0, 562.3, 623.7, 691.8, 767.4, 851.1, 944.1, 371.5, 1047.1, 1161.4,
    384.6, 426.6, 473.2, 524.8, 582.1, 645.7, 716.1, 794.3, 881.0, 346.7, 977.2,  1084.0,
};

constexpr double kReachTones[kReachGroups * kGroupSize] = {
    2704, 2612, 2523, 2437, 2354, 2274, 2196, 2121, 2049, 1980, //
    1912, 1847, 1784, 1723, 1664, 1608, 1553, 1500, 1449, 1400, //
    1608, 1553, 1500, 1449, 1400, 1352, 1306, 1261, 1219, 1177, //
    1137, 1093, 1061, 1025, 990,  956,  923,  892,  862,  832,  //
    804,  776,  750,  725,  700,  676,  653,  631,  609,  588,  //
};

constexpr double kPlectronTones[59] = {
    282.2,  294.7,  307.8,  321.4,  335.6,  350.5,  366.0,  382.3,  399.2,  416.9,  435.3,  454.6,
    474.8,  495.8,  517.8,  540.7,  564.7,  589.7,  615.8,  643.0,  672.0,  701.0,  732.0,  765.0,
    799.0,  834.0,  871.0,  910.0,  950.0,  992.0,  1036.0, 1082.0, 1130.0, 1180.0, 1232.0, 1287.0,
    1344.0, 1403.0, 1465.0, 1530.0, 1598.0, 1669.0, 1743.0, 1820.0, 1901.0, 1985.0, 2073.0, 2164.0,
    2260.0, 2361.0, 2465.0, 2575.0, 2688.0, 2807.0, 2932.0, 3062.0, 3197.0, 3339.0, 3487.0,
};

struct GroupPair
{
    int first;
    int second;
};

constexpr GroupPair kMotorola11Codes[11] = {
    {4, 2}, {1, 1}, {2, 2}, {1, 2}, {4, 4}, {5, 5}, {2, 1}, {4, 5}, {5, 4}, {2, 4}, {3, 3},
};

constexpr GroupPair kReachCodes[10] = {
    {14, 11}, {10, 12}, {12, 10}, {11, 13}, {13, 11},
    {10, 13}, {13, 10}, {10, 14}, {14, 10}, {11, 14},
};

const GroupPair* CodeTable(int format, int& countOut)
{
    if (format == kFormatMotorola11)
    {
        countOut = 11;
        return kMotorola11Codes;
    }
    if (format == kFormatReach)
    {
        countOut = 10;
        return kReachCodes;
    }
    countOut = 0;
    return nullptr;
}

const double* ToneTable(int format, int& countOut)
{
    switch (format)
    {
    case kFormatMotorola11:
        countOut = kMotorola11Groups * kGroupSize;
        return kMotorola11Tones;
    case kFormatMotorola22:
        countOut = 36;
        return kMotorola22Tones;
    case kFormatReach:
        countOut = kReachGroups * kGroupSize;
        return kReachTones;
    case kFormatPlectron:
        countOut = 59;
        return kPlectronTones;
    default:
        countOut = 0;
        return nullptr;
    }
}

// First group number of a grouped format; formats with one list have none.
bool FirstGroupOf(int format, int& firstGroupOut, int& groupCountOut)
{
    if (format == kFormatMotorola11)
    {
        firstGroupOut = 1;
        groupCountOut = kMotorola11Groups;
        return true;
    }
    if (format == kFormatReach)
    {
        firstGroupOut = kFirstReachGroup;
        groupCountOut = kReachGroups;
        return true;
    }
    return false;
}
} // namespace

const double kCtcssTones[kCtcssCount] = {
    67.0,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  //
    94.8,  97.4,  100.0, 103.5, 107.2, 110.9, 114.8, 118.8, 123.0, //
    127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 162.2, 167.9, //
    173.8, 179.9, 186.2, 192.8, 203.5, 210.7, 218.1, 225.7, 233.6, //
    241.8, 250.3, 74.0,  69.3,  198.0, 202.7, 206.5, 229.1, 254.1, //
};

const int kDcsCodes[kDcsCount + 1] = {
    0,   23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114,
    115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212,
    223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311,
    315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445,
    446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612,
    624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

bool IsCommonCtcssTone(double hz)
{
    static constexpr double kCommonTones[] = {
        67.0,  69.3,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0,
        103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
        159.8, 162.2, 165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6,
        199.5, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1};
    return std::any_of(std::begin(kCommonTones), std::end(kCommonTones),
                       [hz](double common) { return std::abs(common - hz) < 0.05; });
}

double CtcssTone(int index)
{
    if (index < 0 || index >= kCtcssCount)
    {
        return 0.0;
    }
    return kCtcssTones[index];
}

bool IsDcsCode(int value)
{
    for (int i = 1; i <= kDcsCount; ++i)
    {
        if (kDcsCodes[i] == value)
        {
            return true;
        }
    }
    return false;
}

int DcsValueOfDigits(int digits)
{
    if (digits < 0 || digits > 777)
    {
        return -1;
    }
    int value = 0;
    int weight = 1;
    for (int rest = digits; rest > 0; rest /= 10)
    {
        const int digit = rest % 10;
        if (digit > 7)
        {
            return -1;
        }
        value += digit * weight;
        weight *= 8;
    }
    return value;
}

int DcsDigitsOfValue(int value)
{
    if (value < 0 || value > 511)
    {
        return -1;
    }
    return (value / 64) * 100 + (value / 8 % 8) * 10 + value % 8;
}

int GroupCodeCount(int format)
{
    int count = 0;
    CodeTable(format, count);
    return count;
}

int FindGroupCode(int format, int first, int second)
{
    int count = 0;
    const GroupPair* table = CodeTable(format, count);
    for (int code = 0; code < count; ++code)
    {
        if (table[code].first == first && table[code].second == second)
        {
            return code;
        }
    }
    return -1;
}

bool GroupsOfCode(int format, int code, int& firstOut, int& secondOut)
{
    int count = 0;
    const GroupPair* table = CodeTable(format, count);
    if (code < 0 || code >= count)
    {
        return false;
    }
    firstOut = table[code].first;
    secondOut = table[code].second;
    return true;
}

int TwoToneCount(int format)
{
    int count = 0;
    ToneTable(format, count);
    return count;
}

double TwoToneFrequency(int format, int index)
{
    int count = 0;
    const double* table = ToneTable(format, count);
    if (index < 0 || index >= count)
    {
        return 0.0;
    }
    return table[index];
}

int ToneIndexFromChoice(int format, int group, int position)
{
    int count = 0;
    if (ToneTable(format, count) == nullptr || position < 0)
    {
        return -1;
    }
    int firstGroup = 0;
    int groups = 0;
    int index = position;
    if (FirstGroupOf(format, firstGroup, groups))
    {
        if (group < firstGroup || group >= firstGroup + groups || position >= kGroupSize)
        {
            return -1;
        }
        index = (group - firstGroup) * kGroupSize + position;
    }
    if (index >= count || index > kMaxStoredToneIndex)
    {
        return -1;
    }
    return index;
}

int TonePositionOfIndex(int format, int group, int index)
{
    int count = 0;
    if (ToneTable(format, count) == nullptr || index < 0 || index >= count)
    {
        return -1;
    }
    int firstGroup = 0;
    int groups = 0;
    if (!FirstGroupOf(format, firstGroup, groups))
    {
        return index;
    }
    const int position = index - (group - firstGroup) * kGroupSize;
    if (group < firstGroup || group >= firstGroup + groups || position < 0 ||
        position >= kGroupSize)
    {
        return -1;
    }
    return position;
}
