#include "core/settings/options_file.h"

#include "core/articles/column_renaming.h"
#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"

#include <functional>

namespace morvane::settings {

namespace {

using base::BinaryReader;
using base::BinaryWriter;

// Every character of the administrator password is stored lowered by this.
constexpr int kPasswordOffset = 5;

QString warehouseKey(int index)
{
    return QStringLiteral("Didur %1").arg(index + 1);
}

// Reads one group into a copy; only a group that is there whole is kept.
class GroupReader {
public:
    GroupReader(QByteArrayView bytes, Options &options) : in_(bytes), options_(options) {}

    bool group(const std::function<bool(BinaryReader &)> &read)
    {
        if (ended_ || in_.atEnd()) {
            ended_ = true;
            return false;
        }
        BinaryReader attempt = in_;
        const Options before = options_;
        if (!read(attempt)) {
            options_ = before;
            ended_ = true;
            return false;
        }
        in_ = attempt;
        ++count_;
        return true;
    }

    int count() const { return count_; }

private:
    BinaryReader in_;
    Options &options_;
    bool ended_ = false;
    int count_ = 0;
};

template <typename T>
bool into(std::optional<T> value, T &target)
{
    if (!value)
        return false;
    target = *value;
    return true;
}

bool skipTitleGroup(BinaryReader &in)
{
    const auto rows = in.readInt32();
    const auto slot = in.readInt32();
    if (!rows || !slot || *rows < 0)
        return false;
    for (std::int32_t r = 0; r < *rows; ++r) {
        if (!in.readText())
            return false;
    }
    return true;
}

void writeTitleGroup(BinaryWriter &out, const articles::RenameGroup &group)
{
    out.writeInt32(int(group.titles.size()));
    out.writeInt32(group.slot);
    for (const QString &t : group.titles)
        out.writeText(t);
}

}  // namespace

QString OptionsFile::scramble(const QString &password)
{
    QString out = password;
    for (QChar &c : out)
        c = QChar(char16_t(c.unicode() - kPasswordOffset));
    return out;
}

QString OptionsFile::unscramble(const QString &stored)
{
    QString out = stored;
    for (QChar &c : out)
        c = QChar(char16_t(c.unicode() + kPasswordOffset));
    return out;
}

OptionsFile::Loaded OptionsFile::parse(QByteArrayView bytes, i18n::Dictionary &dictionary)
{
    Loaded loaded;
    Options &o = loaded.options;
    GroupReader groups(bytes, o);
    auto flags = [](BinaryReader &in, std::initializer_list<bool *> targets) {
        std::vector<bool> values;
        for (std::size_t i = 0; i < targets.size(); ++i) {
            const auto v = in.readBool();
            if (!v)
                return false;
            values.push_back(*v);
        }
        std::size_t i = 0;
        for (bool *t : targets)
            *t = values[i++];
        return true;
    };
    auto switches = [&](BinaryReader &in, int first, int last) {
        std::vector<bool *> targets;
        for (int k = first; k <= last; ++k)
            targets.push_back(&o.adminSwitch[std::size_t(k)]);
        for (bool *t : targets) {
            const auto v = in.readBool();
            if (!v)
                return false;
            *t = *v;
        }
        return true;
    };

    groups.group([&](BinaryReader &in) {
        const auto language = in.readInt32();
        if (!language)
            return false;
        o.language = (*language == 0) ? 3 : *language;
        if (o.language < 0 || o.language >= i18n::Dictionary::kSlots)
            o.language = 3;
        return true;
    })
        && groups.group([&](BinaryReader &in) {
               if (!switches(in, 1, 11))
                   return false;
               const auto password = in.readText();
               const auto repeat = in.readText();
               if (!password || !repeat)
                   return false;
               o.adminPassword = unscramble(*password);
               o.adminPasswordRepeat = unscramble(*repeat);
               return true;
           })
        && groups.group([&](BinaryReader &in) { return switches(in, 12, 12); })
        && groups.group([&](BinaryReader &in) {
               const auto balance = in.readDouble();
               const auto number = in.readInt32();
               return into(balance, o.cashBalance) && into(number, o.receiptNumber);
           })
        && groups.group([&](BinaryReader &in) {
               const auto header = in.readText();
               const auto footer = in.readText();
               return into(header, o.receiptHeader) && into(footer, o.receiptFooter);
           })
        && groups.group([&](BinaryReader &in) { return into(in.readText(), o.currency); })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.saveReceiptAsText}); })
        && groups.group([&](BinaryReader &in) { return into(in.readDouble(), o.defaultVat); })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.pricesAreNet}); })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.firstBarcodeIssuesSecondReceives}); })
        && groups.group([&](BinaryReader &in) {
               std::array<bool, 3> enabled{};
               std::array<int, 9> columns{};
               for (bool &e : enabled) {
                   if (!into(in.readBool(), e))
                       return false;
               }
               for (int &c : columns) {
                   std::int32_t v = 0;
                   if (!into(in.readInt32(), v))
                       return false;
                   c = v;
               }
               o.productEnabled = enabled;
               o.productColumns = columns;
               return true;
           })
        && groups.group(skipTitleGroup)
        && groups.group([&](BinaryReader &in) {
               for (int g = 0; g < 18; ++g) {
                   if (!skipTitleGroup(in))
                       return false;
               }
               return true;
           })
        && groups.group([&](BinaryReader &in) { return switches(in, 12, 12); })
        && groups.group([&](BinaryReader &in) { return switches(in, 13, 14); })
        && groups.group([&](BinaryReader &in) {
               bool own = false;
               if (!into(in.readBool(), own))
                   return false;
               const auto rows = in.readInt32();
               if (!rows || *rows < 0)
                   return false;
               QStringList values;
               for (std::int32_t r = 0; r < *rows; ++r) {
                   const auto v = in.readText();
                   if (!v)
                       return false;
                   if (values.size() < 100)
                       values << *v;
               }
               o.ownCsvAssignment = own;
               o.csvAssignment = values;
               return true;
           })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.receiptNoPaymentKind, &o.receiptPrintUser}); })
        && groups.group([&](BinaryReader &in) {
               return flags(in, {&o.receiptNoPaymentPrompt, &o.receiptNoPaidAmount, &o.receiptNoVatKey});
           })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.receiptFixedWidthColumns}); })
        && groups.group([&](BinaryReader &in) { return switches(in, 15, 15); })
        && groups.group([&](BinaryReader &in) { return flags(in, {&o.doNotAllowNein}); })
        && groups.group([&](BinaryReader &in) {
               std::vector<std::pair<int, QStringList>> names;
               for (int g = 0; g < kWarehouseNameSlots; ++g) {
                   const auto rows = in.readInt32();
                   const auto slot = in.readInt32();
                   if (!rows || !slot || *rows < 0)
                       return false;
                   QStringList texts;
                   for (std::int32_t r = 0; r < *rows; ++r) {
                       const auto t = in.readText();
                       if (!t)
                           return false;
                       texts << *t;
                   }
                   names.emplace_back(*slot, texts);
               }
               for (const auto &[slot, texts] : names) {
                   if (slot < 0 || slot >= i18n::Dictionary::kSlots)
                       continue;
                   for (int r = 0; r < texts.size() && r < kWarehouses; ++r) {
                       const int entry = dictionary.find(warehouseKey(r));
                       if (entry >= 0)
                           loaded.dictionaryChanged |= dictionary.setText(entry, slot, texts[r]);
                   }
               }
               return true;
           })
        && groups.group([&](BinaryReader &in) { return into(in.readText(), o.predefinedStoragePlaces); })
        && groups.group([&](BinaryReader &in) { return switches(in, 16, 27); });
    loaded.groupsRead = groups.count();
    return loaded;
}

QByteArray OptionsFile::serialize(const Options &o, const i18n::Dictionary &dictionary)
{
    BinaryWriter out;
    auto switches = [&](int first, int last) {
        for (int k = first; k <= last; ++k)
            out.writeBool(o.adminSwitch[std::size_t(k)]);
    };
    out.writeInt32(o.language);                          // 1
    switches(1, 11);                                     // 2
    out.writeText(scramble(o.adminPassword));
    out.writeText(scramble(o.adminPasswordRepeat));
    switches(12, 12);                                    // 3
    out.writeDouble(o.cashBalance);                      // 4
    out.writeInt32(o.receiptNumber);
    out.writeText(o.receiptHeader);                      // 5
    out.writeText(o.receiptFooter);
    out.writeText(o.currency);                           // 6
    out.writeBool(o.saveReceiptAsText);                  // 7
    out.writeDouble(o.defaultVat);                       // 8
    out.writeBool(o.pricesAreNet);                       // 9
    out.writeBool(o.firstBarcodeIssuesSecondReceives);   // 10
    for (bool e : o.productEnabled)                      // 11
        out.writeBool(e);
    for (int c : o.productColumns)
        out.writeInt32(c);
    writeTitleGroup(out, articles::ColumnRenaming::collect(dictionary, o.language));  // 12
    for (const articles::RenameGroup &g : articles::ColumnRenaming::collectSlots(dictionary))  // 13
        writeTitleGroup(out, g);
    switches(12, 12);                                    // 14
    switches(13, 14);                                    // 15
    out.writeBool(o.ownCsvAssignment);                   // 16
    out.writeInt32(int(o.csvAssignment.size()));
    for (const QString &v : o.csvAssignment)
        out.writeText(v);
    out.writeBool(o.receiptNoPaymentKind);               // 17
    out.writeBool(o.receiptPrintUser);
    out.writeBool(o.receiptNoPaymentPrompt);             // 18
    out.writeBool(o.receiptNoPaidAmount);
    out.writeBool(o.receiptNoVatKey);
    out.writeBool(o.receiptFixedWidthColumns);           // 19
    switches(15, 15);                                    // 20
    out.writeBool(o.doNotAllowNein);                     // 21
    for (int slot = 0; slot < kWarehouseNameSlots; ++slot) {  // 22
        out.writeInt32(kWarehouses);
        out.writeInt32(slot);
        for (int r = 0; r < kWarehouses; ++r) {
            const int entry = dictionary.find(warehouseKey(r));
            out.writeText(entry >= 0 ? dictionary.entry(entry).texts[std::size_t(slot)] : QString());
        }
    }
    out.writeText(o.predefinedStoragePlaces);            // 23
    switches(16, 27);                                    // 24
    return out.take();
}

Options OptionsFile::merge(const Options &base, const Options &ours, const Options &theirs)
{
    Options result = theirs;
    auto take = [&](auto member) {
        if (ours.*member != base.*member)
            result.*member = ours.*member;
    };
    take(&Options::language);
    take(&Options::adminPassword);
    take(&Options::adminPasswordRepeat);
    take(&Options::cashBalance);
    take(&Options::receiptNumber);
    take(&Options::receiptHeader);
    take(&Options::receiptFooter);
    take(&Options::currency);
    take(&Options::saveReceiptAsText);
    take(&Options::defaultVat);
    take(&Options::pricesAreNet);
    take(&Options::firstBarcodeIssuesSecondReceives);
    take(&Options::productEnabled);
    take(&Options::productColumns);
    take(&Options::ownCsvAssignment);
    take(&Options::csvAssignment);
    take(&Options::receiptNoPaymentKind);
    take(&Options::receiptPrintUser);
    take(&Options::receiptNoPaymentPrompt);
    take(&Options::receiptNoPaidAmount);
    take(&Options::receiptNoVatKey);
    take(&Options::receiptFixedWidthColumns);
    take(&Options::doNotAllowNein);
    take(&Options::predefinedStoragePlaces);
    // The switches are independent settings: merge them one by one.
    for (std::size_t k = 0; k < ours.adminSwitch.size(); ++k) {
        if (ours.adminSwitch[k] != base.adminSwitch[k])
            result.adminSwitch[k] = ours.adminSwitch[k];
    }
    static_assert(sizeof(Options) > 0, "every member of Options must be merged above");
    return result;
}

}  // namespace morvane::settings
