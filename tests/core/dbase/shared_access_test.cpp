#include "tool_runner.h"

#include "core/dbase/dbf_error.h"

#include <QSet>

#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace morvane::dbase;
using namespace morvane::dbase::fixtures;

namespace {

constexpr int kWorkers = 4;
constexpr int kAppendsPerWorker = 150;
constexpr int kIncrementsPerWorker = 20;

QString memoFor(int worker, int i, int round)
{
    // Lengths from a few bytes to three blocks, so that memos are both kept
    // in place and moved to the end of the memo file.
    return QStringLiteral("W%1 #%2 r%3 ").arg(worker).arg(i).arg(round) + QString((i * 37 + round * 500) % 1300, QChar(char16_t(u'a' + worker)));
}

// One workstation: two table objects on the file (as the journal window and
// its background scan have), appending by turns, raising the shared counter
// in record 1 and rewriting some of its own memos.
int runWorker(const QString &folder, int worker)
{
    try {
        Table a, b;
        for (Table *t : {&a, &b}) {
            t->setFolder(folder);
            t->setFileName("shared.dbf");
            t->open();
        }
        std::vector<std::uint32_t> mine;
        int increments = 0;
        for (int i = 0; i < kAppendsPerWorker; ++i) {
            Table &t = (i % 2) ? a : b;
            t.insert();
            t.setFieldText(0, QStringLiteral("W%1").arg(worker));
            t.setFieldText(1, QString::number(i));
            t.setFieldText(2, memoFor(worker, i, 0));
            t.post();
            mine.push_back(t.recordNumber());
            if (i % 10 == 5) {
                // Grow an earlier memo of ours beyond its blocks.
                const int j = i - 5;
                t.go(mine[size_t(j)]);
                t.edit();
                t.setFieldText(2, memoFor(worker, j, 1));
                t.post();
            }
            if (increments < kIncrementsPerWorker && i % 7 == 0) {
                for (;;) {
                    try {
                        t.go(1);
                        t.edit();
                        break;
                    } catch (const DbfError &e) {
                        if (e.kind() != DbfError::Kind::RecordLocked)
                            throw;
                        std::this_thread::sleep_for(std::chrono::microseconds(200));
                    }
                }
                t.setFieldText(1, QString::number(t.fieldText(1).toInt() + 1));
                t.post();
                ++increments;
            }
        }
        return increments == kIncrementsPerWorker ? 0 : 3;
    } catch (const DbfError &e) {
        fprintf(stderr, "worker %d: %s\n", worker, qPrintable(e.text()));
        return 2;
    } catch (...) {
        return 4;
    }
}

class SharedAccess : public DbaseTest {};

TEST_F(SharedAccess, ProcessesAppendAndEditOneTableAtOnce)
{
    Table t;
    makeTable(t, "shared.dbf", {Field::character("Worker", 5), Field::character("Number", 10), Field::memo("Note")},
              {{"count", "0", ""}});
    t.close();

    std::vector<pid_t> children;
    for (int w = 0; w < kWorkers; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(runWorker(dir.path(), w));
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "worker status " << status;
    }

    t.open();
    EXPECT_EQ(t.physicalRecordCount(), 1u + kWorkers * kAppendsPerWorker);
    EXPECT_EQ(le32(readAll(path("shared.dbf")), 4), 1u + kWorkers * kAppendsPerWorker);
    t.first();
    EXPECT_EQ(t.fieldText(1), QString::number(kWorkers * kIncrementsPerWorker));  // no lost update
    QSet<QString> seen;
    for (t.next(); !t.eof(); t.next()) {
        const int worker = t.fieldText(0).mid(1).toInt();
        const int i = t.fieldText(1).toInt();
        const int round = (i % 10 == 0 && i + 5 < kAppendsPerWorker) ? 1 : 0;
        EXPECT_EQ(t.fieldText(2), memoFor(worker, i, round)) << worker << " " << i;
        seen.insert(t.fieldText(0) + u'/' + t.fieldText(1));
    }
    EXPECT_EQ(seen.size(), kWorkers * kAppendsPerWorker);

    const QJsonObject independent = readWithDbffile(path("shared.dbf"), dir.path());
    const QJsonArray rows = independent["rows"].toArray();
    ASSERT_EQ(rows.size(), 1 + kWorkers * kAppendsPerWorker);
    for (int r = 1; r < rows.size(); ++r) {
        const QJsonObject row = rows[r].toObject();
        const int worker = row["WORKER"].toString().mid(1).toInt();
        const int i = row["NUMBER"].toString().toInt();
        const int round = (i % 10 == 0 && i + 5 < kAppendsPerWorker) ? 1 : 0;
        ASSERT_EQ(row["NOTE"].toString(), memoFor(worker, i, round)) << "record " << r + 1;
    }
}

// Two handles of one process must contest each other's locks: classic POSIX
// locks would let both believe they hold the record.
TEST_F(SharedAccess, HandlesOfOneProcessContestLocks)
{
    Table one, two;
    makeTable(one, "t.dbf", {Field::character("A", 3)}, {{"a"}});
    prepare(two, "t.dbf", {});
    two.open();
    one.edit();
    EXPECT_THROW(two.edit(), DbfError);
    // Closing another handle of the file keeps the first one's lock.
    {
        Table three;
        prepare(three, "t.dbf", {});
        three.open();
    }
    EXPECT_THROW(two.edit(), DbfError);
    one.post();
    EXPECT_NO_THROW(two.edit());
    two.cancel();
}

}  // namespace
