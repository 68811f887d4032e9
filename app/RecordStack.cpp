#include "app/RecordStack.h"

#include <iterator>
#include <stdexcept>

void RecordStack::push(const std::vector<std::uint8_t>& record)
{
    if (record.empty() || record.size() > longest)
        throw std::length_error("a record of the history must hold 1 to 255 bytes");
    const auto length = static_cast<std::uint8_t>(record.size());
    bytes_.push_back(length);
    bytes_.insert(bytes_.end(), record.begin(), record.end());
    bytes_.push_back(length);
    ++count_;
}

std::vector<std::uint8_t> RecordStack::pop()
{
    if (empty())
        throw std::logic_error("nothing to take off an empty stack of records");
    const std::ptrdiff_t length = bytes_.back();
    const auto start = std::prev(bytes_.end(), length + 2);
    std::vector<std::uint8_t> record(std::next(start), std::prev(bytes_.end()));
    bytes_.erase(start, bytes_.end());
    --count_;
    return record;
}

void RecordStack::dropOldest()
{
    if (empty())
        return;
    const std::ptrdiff_t length = bytes_.front();
    bytes_.erase(bytes_.begin(), std::next(bytes_.begin(), length + 2));
    --count_;
}

void RecordStack::clear()
{
    bytes_.clear();
    count_ = 0;
}
