#include "address_fixture.h"

#include "core/addresses/address_mail.h"
#include "core/app/process_launcher.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;

namespace {

struct RecordingLauncher : app::ProcessLauncher {
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls << (QStringList{program} + arguments);
        return true;
    }
    QList<QStringList> calls;
};

TEST(AddressMail, RecipientNameAndGreetingFollowTheSalutation)
{
    struct Case {
        const char *salutation, *first, *surname;
        const char *name, *body;
    };
    const Case cases[] = {
        {"Herr", "Hans", "Meier", "Herr Hans Meier", "Sehr geehrter Herr Meier,"},
        {"Frau", "", "Schulz", "Frau Schulz", "Sehr geehrte Frau Schulz,"},
        {"Dr.", "Eva", "Roth", "Dr. Eva Roth", ""},
        {"herr", "", "Klein", "herr Klein", ""},
        {"", "", "", "", ""},
    };
    for (const Case &c : cases) {
        const AddressMail m = AddressMailer::compose(c.salutation, c.first, c.surname, " a@b.de ");
        EXPECT_EQ(m.recipientName, c.name);
        EXPECT_EQ(m.body, c.body);
        EXPECT_EQ(m.address, "a@b.de");
    }
}

TEST(AddressMail, StartsXdgEmailWithAnArgumentListAndRefusesLineBreaks)
{
    RecordingLauncher launcher;
    const AddressMail good = AddressMailer::compose("Herr", "Hans", "Meier; rm -rf ~", "hans@example.org");
    EXPECT_EQ(AddressMailer::send(good, launcher), MailResult::Started);
    ASSERT_EQ(launcher.calls.size(), 1);
    EXPECT_EQ(launcher.calls[0],
              (QStringList{"xdg-email", "--body", "Sehr geehrter Herr Meier; rm -rf ~,", "hans@example.org"}));

    const AddressMail refused[] = {
        AddressMailer::compose("Herr", "Hans", "Meier", "a@b.de\nBcc: x@y.z"),
        AddressMailer::compose("Herr", "Hans", "Mei\r\ner", "a@b.de"),
        AddressMailer::compose("", "Ha\u2028ns", "", "a@b.de"),
        AddressMailer::compose("", "", "", "--utf8"),
    };
    for (const AddressMail &m : refused)
        EXPECT_EQ(AddressMailer::send(m, launcher), MailResult::Invalid) << m.address.toStdString();
    EXPECT_EQ(launcher.calls.size(), 1);
}

using AddressMailTable = AddressFixture;

TEST_F(AddressMailTable, TakesTheGermanFieldsOrFallsBackToTheEditControls)
{
    add(customers, {"Firma", "Meier", "Hans", "Herr", "", "", "", "", "", "", "", "hans@example.org"});
    customers.table().first();
    AddressMail m = AddressMailer::compose(customers.table(), {});
    EXPECT_EQ(m.address, "hans@example.org");
    EXPECT_EQ(m.recipientName, "Herr Hans Meier");

    // A table without the German names: the controls' texts are used.
    dbase::Table plain;
    plain.setFolder(temp.dir.path());
    plain.setFileName("plain.dbf");
    plain.setFieldList({dbase::Field::character("Company", 20), dbase::Field::character("Mail", 20)});
    plain.openOrCreate();
    plain.appendRecord();
    QStringList edits(24);
    edits[1] = "Schulz";
    edits[3] = "Frau";
    edits[11] = "eva@example.org";
    m = AddressMailer::compose(plain, edits);
    EXPECT_EQ(m.address, "eva@example.org");
    EXPECT_EQ(m.body, "Sehr geehrte Frau Schulz,");
}

}  // namespace
