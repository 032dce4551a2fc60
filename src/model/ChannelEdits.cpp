// Edits of channel records over a run of channels.

// own
#include "model/ChannelEdits.h"

// model
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <array>
#include <vector>

namespace
{
using Record = std::array<std::uint8_t, kChannelRecordSize>;

std::uint32_t RecordOffset(int n)
{
    return ImageMap::kChannels + static_cast<std::uint32_t>(n - 1) * kChannelRecordSize;
}

bool InRange(int capacity, int first, int count)
{
    return capacity >= 1 && capacity <= kChannelCount && count >= 1 && first >= 1 &&
           first <= capacity && count <= capacity - first + 1;
}

// Channels first .. first+count-1 as raw records.
std::vector<Record> ReadRecords(const CRadioImage& image, int first, int count)
{
    std::vector<Record> records(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
    {
        (void)image.ReadBlock(records[static_cast<std::size_t>(k)].data(), RecordOffset(first + k),
                              kChannelRecordSize);
    }
    return records;
}

bool WriteRecords(CRadioImage& image, int first, const std::vector<Record>& records)
{
    bool ok = true;
    for (std::size_t k = 0; k < records.size(); ++k)
    {
        ok = image.WriteBlock(records[k].data(), RecordOffset(first + static_cast<int>(k)),
                              kChannelRecordSize) &&
             ok;
    }
    return ok;
}

// Empties channels first .. first+count-1 as the Channel form empties one.
bool Empty(CRadioImage& image, int first, int count)
{
    bool ok = true;
    for (int n = first; n < first + count; ++n)
    {
        ok = image.ResetChannel(n - 1) && ok;
    }
    return ok;
}

// Writes into a copy, kept only when every write went in.
template <typename Edit> bool OnCopy(CRadioImage& image, Edit edit)
{
    CRadioImage edited = image;
    if (!edit(edited))
    {
        return false;
    }
    image = edited;
    return true;
}
} // namespace

namespace ChannelEdits
{
bool InUse(const CRadioImage& image, int n)
{
    int unused = 1;
    return image.GetRxUnused(n - 1, unused) && unused == 0;
}

bool Clear(CRadioImage& image, int capacity, int first, int count)
{
    if (!InRange(capacity, first, count))
    {
        return false;
    }
    return OnCopy(image, [&](CRadioImage& edited) { return Empty(edited, first, count); });
}

bool Insert(CRadioImage& image, int capacity, int at, int count)
{
    if (!InRange(capacity, at, count))
    {
        return false;
    }
    for (int n = capacity - count + 1; n <= capacity; ++n)
    {
        if (InUse(image, n))
        {
            return false;
        }
    }
    return OnCopy(image,
                  [&](CRadioImage& edited)
                  {
                      return WriteRecords(edited, at + count,
                                          ReadRecords(image, at, capacity - at + 1 - count)) &&
                             Empty(edited, at, count);
                  });
}

bool Remove(CRadioImage& image, int capacity, int at, int count)
{
    if (!InRange(capacity, at, count))
    {
        return false;
    }
    return OnCopy(image,
                  [&](CRadioImage& edited)
                  {
                      return WriteRecords(
                                 edited, at,
                                 ReadRecords(image, at + count, capacity - at + 1 - count)) &&
                             Empty(edited, capacity - count + 1, count);
                  });
}

bool Move(CRadioImage& image, int capacity, int first, int count, int delta)
{
    if ((delta != -1 && delta != 1) || !InRange(capacity, first, count) ||
        !InRange(capacity, first + delta, count))
    {
        return false;
    }
    const int start = std::min(first, first + delta);
    return OnCopy(image,
                  [&](CRadioImage& edited)
                  {
                      std::vector<Record> records = ReadRecords(image, start, count + 1);
                      if (delta < 0)
                      {
                          std::rotate(records.begin(), records.begin() + 1, records.end());
                      }
                      else
                      {
                          std::rotate(records.rbegin(), records.rbegin() + 1, records.rend());
                      }
                      return WriteRecords(edited, start, records);
                  });
}

bool Sort(CRadioImage& image, const CChannelRules& rules, int capacity, int first, int count,
          SortKey key)
{
    if (!InRange(capacity, first, count))
    {
        return false;
    }
    struct Item
    {
        bool used;
        double mhz;
        std::string name;
        int scanRank;
        Record record;
    };
    std::vector<Item> items;
    const std::vector<Record> records = ReadRecords(image, first, count);
    for (int k = 0; k < count; ++k)
    {
        StoredChannel channel;
        (void)ReadChannel(image, rules, first + k, channel);
        const int scanRank =
            channel.switches.scanGroupA ? 0 : (channel.switches.scanGroupB ? 1 : 2);
        items.push_back(Item{InUse(image, first + k), channel.rx.mhz, channel.name, scanRank,
                             records[static_cast<std::size_t>(k)]});
    }
    std::stable_sort(items.begin(), items.end(),
                     [key](const Item& a, const Item& b)
                     {
                         if (a.used != b.used)
                         {
                             return a.used;
                         }
                         switch (key)
                         {
                         case SortKey::RxFrequency:
                             return a.mhz < b.mhz;
                         case SortKey::Name:
                             return a.name < b.name;
                         case SortKey::ScanGroup:
                             return a.scanRank < b.scanRank;
                         }
                         return false;
                     });
    std::vector<Record> sorted;
    for (const Item& item : items)
    {
        sorted.push_back(item.record);
    }
    return OnCopy(image, [&](CRadioImage& edited) { return WriteRecords(edited, first, sorted); });
}
} // namespace ChannelEdits
