#include "core/i18n/dictionary.h"

#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"

namespace morvane::i18n {

int Dictionary::find(const QString &german) const
{
    return index_.value(german, -1);
}

int Dictionary::add(const QString &german)
{
    Entry entry;
    entry.texts[kGermanSlot] = german;
    entries_.push_back(std::move(entry));
    const int index = size() - 1;
    if (!german.isEmpty() && !index_.contains(german))
        index_.insert(german, index);
    return index;
}

bool Dictionary::setText(int index, int slot, const QString &text)
{
    if (index < 0 || index >= size() || slot < 0 || slot >= kSlots)
        return false;
    QString &current = entries_[std::size_t(index)].texts[std::size_t(slot)];
    if (current == text)
        return false;
    current = text;
    if (slot == kGermanSlot)
        rebuildIndex();
    return true;
}

void Dictionary::remove(int index)
{
    if (index < 0 || index >= size())
        return;
    entries_.erase(entries_.begin() + index);
    rebuildIndex();
}

void Dictionary::clear()
{
    entries_.clear();
    index_.clear();
}

void Dictionary::rebuildIndex()
{
    index_.clear();
    index_.reserve(size());
    for (int i = 0; i < size(); ++i) {
        const QString &key = entries_[std::size_t(i)].texts[kGermanSlot];
        if (!key.isEmpty() && !index_.contains(key))
            index_.insert(key, i);
    }
}

Dictionary::LoadStatus Dictionary::parse(QByteArrayView bytes)
{
    clear();
    base::BinaryReader reader(bytes);
    const auto slotCount = reader.readInt32();
    const auto count = reader.readInt32();
    LoadStatus status = LoadStatus::Loaded;
    // Entries without slots would cost memory without costing file bytes.
    if (!slotCount || !count || *slotCount < 0 || *count < 0 || (*slotCount == 0 && *count > 0)) {
        status = LoadStatus::Corrupted;
    } else {
        // Every text takes at least its 4-byte length: a count the file cannot
        // hold is a damaged file, not a reason to allocate.
        const qint64 minimum = qint64(*slotCount) * *count * 4;
        if (minimum > reader.remaining())
            status = LoadStatus::Corrupted;
        entries_.reserve(std::size_t(std::min<qint64>(*count, reader.remaining() / 4 + 1)));
        for (qint64 e = 0; e < *count; ++e) {
            Entry entry;
            bool complete = true;
            for (qint64 s = 0; s < *slotCount; ++s) {
                const auto text = reader.readWideText();
                if (!text) {
                    complete = false;
                    break;
                }
                if (s < kSlots)
                    entry.texts[std::size_t(s)] = *text;
            }
            if (!complete) {
                status = LoadStatus::Corrupted;
                break;
            }
            entries_.push_back(std::move(entry));
        }
    }
    rebuildIndex();
    return status;
}

QByteArray Dictionary::serialize() const
{
    base::BinaryWriter writer(qsizetype(entries_.size()) * kSlots * 6 + 8);
    writer.writeInt32(kSlots);
    writer.writeInt32(size());
    for (const Entry &entry : entries_) {
        for (const QString &text : entry.texts)
            writer.writeWideText(text);
    }
    return writer.take();
}

}  // namespace morvane::i18n
