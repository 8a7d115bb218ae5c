#include "core/dbase/table.h"

#include "core/dbase/code_page.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/language_driver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane::dbase {

namespace {

constexpr qint64 kScanBlockBytes = 1 << 20;
constexpr int kReopenAttempts = 100;

std::uint32_t u32(const char *p)
{
    return std::uint32_t(uchar(p[0])) | (std::uint32_t(uchar(p[1])) << 8) | (std::uint32_t(uchar(p[2])) << 16)
           | (std::uint32_t(uchar(p[3])) << 24);
}

void put32(char *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

std::uint64_t recordLockOffset(std::uint32_t recordNumber)
{
    return Table::kRecordLockBase - recordNumber;
}

bool lockBusy(int error)
{
    return error == EAGAIN || error == EACCES;
}

QByteArray encodedPath(const QString &path)
{
    return QFile::encodeName(path);
}

// Writes `data` to a new file beside `path` and moves it into place. With
// `replace` false an existing file wins and false is answered, so that two
// workstations creating one table at once never replace each other's table.
bool placeNewFile(const QString &path, QByteArrayView data, bool replace, bool *existed = nullptr)
{
    if (existed)
        *existed = false;
    const QFileInfo info(path);
    QByteArray work = encodedPath(QDir(info.absolutePath()).filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    const int fd = ::mkstemp(work.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, 0666 & ~[] { mode_t m = ::umask(0); ::umask(m); return m; }());
    bool ok = true;
    for (qint64 done = 0; ok && done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? n : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        const QByteArray target = encodedPath(path);
        if (replace) {
            ok = ::rename(work.constData(), target.constData()) == 0;
        } else {
            // A hard link refuses an existing name; then the work name goes.
            ok = ::link(work.constData(), target.constData()) == 0;
            if (!ok && errno == EEXIST && existed)
                *existed = true;
        }
    }
    ::unlink(work.constData());
    return ok;
}

QString siblingWithSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    QString base = info.fileName();
    const int dot = int(base.lastIndexOf(u'.'));
    const bool upper = dot >= 0 && base.mid(dot + 1) == base.mid(dot + 1).toUpper() && !base.mid(dot + 1).isEmpty()
                       && base.mid(dot + 1) != base.mid(dot + 1).toLower();
    if (dot >= 0)
        base.truncate(dot);
    return QDir(info.path()).filePath(base + u'.' + (upper ? suffix.toUpper() : suffix));
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

Table::Table() = default;

Table::~Table()
{
    try {
        close();
    } catch (...) {
        // A pending change that cannot be written is lost with the object;
        // nothing else can be done in a destructor.
    }
}

QString Table::filePath() const
{
    return folder_.isEmpty() ? fileName_ : QDir(folder_).filePath(fileName_);
}

QString Table::memoFilePath() const
{
    return siblingWithSuffix(filePath(), QStringLiteral("dbt"));
}

void Table::setCreateCodePage(int codePage, QLocale::Language language)
{
    createCodePage_ = codePage;
    createLanguage_ = language;
}

int Table::codePage() const
{
    return codePage_ ? codePage_->number() : 1252;
}

QDate Table::today() const
{
    return clock_ ? clock_->today() : QDate::currentDate();
}

void Table::ensureOpen() const
{
    if (state_ == State::Closed)
        throw DbfError(DbfError::Kind::NotOpen, QStringLiteral("Table \"%1\" is not open.").arg(fileName_));
}

// ---------------------------------------------------------------- open/close

void Table::open()
{
    close();
    const QString path = filePath();
    for (int attempt = 0;; ++attempt) {
        switch (file_.open(path)) {
        case FileHandle::OpenResult::Missing:
            throw DbfError::fileNotFound(path);
        case FileHandle::OpenResult::Failed:
            throw DbfError(DbfError::Kind::ReadFailed,
                           QStringLiteral("Cannot open \"%1\": %2.").arg(path, systemError(file_.lastError())));
        case FileHandle::OpenResult::Opened:
            break;
        }
        // Waits while a rebuild holds the whole table; if it replaced the
        // file meanwhile, the name now leads to the new one.
        if (!file_.lock(kOpenMarkByte, 1, FileHandle::LockKind::Shared)) {
            const int error = file_.lastError();
            file_.close();
            throw DbfError(DbfError::Kind::ReadFailed, QStringLiteral("Cannot lock \"%1\": %2.").arg(path, systemError(error)));
        }
        if (file_.sameFileAs(path))
            break;
        file_.close();
        if (attempt >= kReopenAttempts)
            throw DbfError::fileNotFound(path);
    }
    try {
        readHeaderAndRepair();
    } catch (...) {
        file_.close();
        throw;
    }
    codePage_ = &CodePage::forNumber(header_.codePage());
    state_ = State::Browse;
    if (header_.hasMemo())
        openMemoFile();
    currentTag_ = -1;
    order_.clear();
    first();
}

void Table::readHeaderAndRepair()
{
    const qint64 size = file_.size();
    char fixed[TableHeader::kFixedSize] = {};
    if (size < TableHeader::kFixedSize || file_.readAt(0, fixed, sizeof fixed) != qint64(sizeof fixed))
        throw DbfError::invalidFile();
    const int headerLength = TableHeader::headerLengthOf(QByteArrayView(fixed, sizeof fixed));
    if (headerLength > size || headerLength < TableHeader::kFixedSize)
        throw DbfError::invalidFile();
    QByteArray head(headerLength, Qt::Uninitialized);
    if (file_.readAt(0, head.data(), headerLength) != headerLength)
        throw DbfError::invalidFile();
    header_ = TableHeader::parse(head, size);
    cache_.clear();
    cacheCount_ = 0;
    refreshCount();

    // The version byte follows the memo fields, the index flag is cleared
    // because no ".mdx" is kept up to date here, and the record count is the
    // one the size gives. All three are repaired under the header lock.
    const std::uint8_t wantVersion = header_.hasMemo() ? (header_.version | 0x80) : (header_.version & ~0x80);
    if (file_.isReadOnly())
        return;
    if (wantVersion == header_.version && header_.productionIndex == 0 && header_.storedRecordCount == knownCount_)
        return;
    if (!file_.lock(recordLockOffset(0), 1))
        return;
    char now[TableHeader::kFixedSize] = {};
    if (file_.readAt(0, now, sizeof now) == qint64(sizeof now)) {
        refreshCount();
        bool changed = false;
        if (uchar(now[0]) != wantVersion)
            now[0] = char(wantVersion), changed = true;
        if (now[28] != 0)
            now[28] = 0, changed = true;
        if (u32(now + 4) != knownCount_) {
            put32(now + 4, knownCount_);
            const QDate d = today();
            now[1] = char(std::clamp(d.year() - 1900, 0, 255));
            now[2] = char(d.month());
            now[3] = char(d.day());
            changed = true;
        }
        if (changed && file_.writeAt(0, now, sizeof now)) {
            header_.version = wantVersion;
            header_.productionIndex = 0;
            header_.storedRecordCount = knownCount_;
        }
    }
    file_.unlock(recordLockOffset(0), 1);
}

void Table::openMemoFile()
{
    // A missing memo file makes the memo fields read as empty.
    memo_.open(memoFilePath());
}

void Table::ensureMemoFile()
{
    if (memo_.isOpen())
        return;
    placeNewFile(memoFilePath(), MemoFile::newFileBytes(), false);
    if (memo_.open(memoFilePath()) != FileHandle::OpenResult::Opened)
        throw DbfError::writeFailed();
}

void Table::create()
{
    std::uint8_t driver = LanguageDriver::forCodePage(createCodePage_, createLanguage_);
    TableHeader header = TableHeader::forNewTable(fieldList_, driver);
    const QString path = filePath();

    // Replacing a table under another handle would cut that handle off from
    // the file it writes to.
    FileHandle existing;
    if (existing.open(path) == FileHandle::OpenResult::Opened
        && !existing.tryLock(kTableLockStart, kTableLockLength))
        throw DbfError::exclusiveRequired();
    if (header.hasMemo() && !placeNewFile(memoFilePath(), MemoFile::newFileBytes(), true))
        throw DbfError::writeFailed();
    QByteArray bytes = header.serialize(today());
    bytes.append(TableHeader::kEndOfFile);
    if (!placeNewFile(path, bytes, true))
        throw DbfError::writeFailed();
}

Table::OpenOutcome Table::openOrCreate()
{
    const QString path = filePath();
    struct stat st {};
    if (::stat(encodedPath(path).constData(), &st) == 0 || errno != ENOENT) {
        open();
        return OpenOutcome::Opened;
    }
    TableHeader header = TableHeader::forNewTable(fieldList_, LanguageDriver::forCodePage(createCodePage_, createLanguage_));
    QByteArray bytes = header.serialize(today());
    bytes.append(TableHeader::kEndOfFile);
    // The memo file goes first: a table whose ".dbf" is visible must find
    // its ".dbt".
    QString memoWork;
    if (header.hasMemo()) {
        const QFileInfo info(memoFilePath());
        memoWork = QDir(info.absolutePath()).filePath(QStringLiteral(".%1.new").arg(info.fileName()));
        if (!placeNewFile(memoWork, MemoFile::newFileBytes(), true))
            throw DbfError::writeFailed();
    }
    bool existed = false;
    const bool created = placeNewFile(path, bytes, false, &existed);
    if (!memoWork.isEmpty()) {
        if (created)
            ::rename(encodedPath(memoWork).constData(), encodedPath(memoFilePath()).constData());
        ::unlink(encodedPath(memoWork).constData());
    }
    if (!created && !existed)
        throw DbfError::writeFailed();
    open();
    return created ? OpenOutcome::Created : OpenOutcome::Opened;
}

void Table::close()
{
    if (state_ == State::Closed)
        return;
    if (state_ == State::Edit || state_ == State::Insert)
        post();
    file_.close();
    memo_.close();
    state_ = State::Closed;
    cache_.clear();
    cacheCount_ = 0;
    view_ = nullptr;
    recno_ = 0;
    eof_ = bof_ = true;
    order_.clear();
    orderPos_ = -1;
}

// ---------------------------------------------------------------- reading

void Table::refreshCount()
{
    knownCount_ = header_.recordCountForSize(file_.size());
}

void Table::invalidateCache()
{
    cacheCount_ = 0;
    cacheFirst_ = 0;
}

const char *Table::recordData(std::uint32_t n, Direction direction)
{
    if (n == 0)
        return nullptr;
    if (cacheCount_ && n >= cacheFirst_ && n < cacheFirst_ + cacheCount_)
        return cache_.constData() + qint64(n - cacheFirst_) * header_.recordLength;
    const qint64 length = header_.recordLength;
    std::uint32_t perBlock = direction == Direction::Single ? 1 : std::uint32_t(std::max<qint64>(1, kScanBlockBytes / length));
    std::uint32_t firstInBlock = n;
    if (direction == Direction::Backward)
        firstInBlock = n > perBlock ? n - perBlock + 1 : 1;
    perBlock = std::min<std::uint32_t>(perBlock, std::max<std::uint32_t>(knownCount_ + 1, n) - firstInBlock + 1);
    cache_.resize(qsizetype(perBlock) * length);
    const qint64 got = file_.readAt(header_.recordOffset(firstInBlock), cache_.data(), cache_.size());
    if (got < 0)
        throw DbfError(DbfError::Kind::ReadFailed, QStringLiteral("Cannot read \"%1\": %2.").arg(filePath(), systemError(file_.lastError())));
    cacheFirst_ = firstInBlock;
    cacheCount_ = std::uint32_t(got / length);
    if (n >= cacheFirst_ + cacheCount_)
        return nullptr;  // cut off: the file is shorter than its count said
    return cache_.constData() + qint64(n - cacheFirst_) * length;
}

bool Table::accepts(const char *record)
{
    // A record is live (blank) or deleted ("*"); anything else is a record
    // another workstation is still writing, or damage, and is not shown.
    if (record[0] != ' ')
        return false;
    if (!isFiltered())
        return true;
    const char *saved = view_;
    view_ = record;
    bool ok = false;
    try {
        ok = filter_(*this);
    } catch (...) {
        view_ = saved;
        throw;
    }
    view_ = saved;
    return ok;
}

bool Table::isVisible(std::uint32_t n, Direction direction)
{
    const char *record = recordData(n, direction);
    return record && accepts(record);
}

void Table::positionOn(std::uint32_t n)
{
    recno_ = n;
    view_ = recordData(n, Direction::Single);
    eof_ = bof_ = false;
}

void Table::refetchCurrent()
{
    if (state_ == State::Edit || state_ == State::Insert) {
        view_ = work_.constData();
        return;
    }
    view_ = recno_ ? recordData(recno_, Direction::Single) : nullptr;
}

bool Table::seekForward(std::uint32_t from)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (std::uint32_t n = from; n <= knownCount_; ++n) {
            if (isVisible(n, Direction::Forward)) {
                positionOn(n);
                return true;
            }
        }
        // Others may have appended while we walked.
        const std::uint32_t before = knownCount_;
        refreshCount();
        if (knownCount_ == before)
            break;
        from = std::max(from, before + 1);
    }
    return false;
}

bool Table::seekBackward(std::uint32_t from)
{
    for (std::uint32_t n = std::min(from, knownCount_); n >= 1; --n) {
        if (isVisible(n, Direction::Backward)) {
            positionOn(n);
            return true;
        }
    }
    return false;
}

bool Table::seekOrder(qsizetype from, int step)
{
    for (qsizetype i = from; i >= 0 && i < qsizetype(order_.size()); i += step) {
        if (isVisible(order_[size_t(i)], Direction::Single)) {
            orderPos_ = i;
            positionOn(order_[size_t(i)]);
            return true;
        }
    }
    return false;
}

void Table::first()
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    refreshCount();
    invalidateCache();
    bool found;
    if (currentTag_ >= 0) {
        if (orderStamp() != orderStamp_)
            buildOrder();
        found = seekOrder(0, 1);
    } else {
        found = seekForward(1);
    }
    if (!found) {
        recno_ = 0;
        view_ = nullptr;
        eof_ = true;
    }
    bof_ = true;
}

void Table::last()
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    refreshCount();
    invalidateCache();
    bool found;
    if (currentTag_ >= 0) {
        if (orderStamp() != orderStamp_)
            buildOrder();
        found = seekOrder(qsizetype(order_.size()) - 1, -1);
    } else {
        found = seekBackward(knownCount_);
    }
    if (!found) {
        recno_ = 0;
        view_ = nullptr;
        bof_ = true;
    }
    eof_ = !found;
}

void Table::next()
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    if (eof_)
        return;
    const std::uint32_t here = recno_;
    locateInOrder();
    const bool found = currentTag_ >= 0 ? seekOrder(orderPos_ + 1, 1) : seekForward(recno_ + 1);
    if (!found) {
        eof_ = true;
        if (here) {
            recno_ = here;
            refetchCurrent();
        }
    } else {
        bof_ = false;
    }
}

void Table::prior()
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    if (bof_)
        return;
    const std::uint32_t here = recno_;
    locateInOrder();
    const bool found = currentTag_ >= 0 ? seekOrder(orderPos_ - 1, -1) : (recno_ > 1 && seekBackward(recno_ - 1));
    if (!found) {
        bof_ = true;
        if (here) {
            recno_ = here;
            refetchCurrent();
        }
    } else {
        eof_ = false;
    }
}

void Table::locateInOrder()
{
    if (currentTag_ < 0 || orderPos_ != kOrderPosUnknown)
        return;
    const auto it = std::find(order_.begin(), order_.end(), recno_);
    orderPos_ = it == order_.end() ? -1 : qsizetype(it - order_.begin());
}

bool Table::go(std::uint32_t n)
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    if (n == 0 || n > knownCount_)
        refreshCount();
    if (n == 0 || n > knownCount_)
        return false;
    if (!recordData(n, Direction::Single))
        return false;
    positionOn(n);
    // Looked up only when navigation continues from here: a grid jumps to
    // every row it paints.
    orderPos_ = kOrderPosUnknown;
    return true;
}

int Table::fieldIndex(QStringView name) const
{
    for (int i = 0; i < header_.fields.size(); ++i)
        if (header_.fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::uint32_t Table::memoBlock(const char *bytes) const
{
    // Ten digits with leading zeros; blanks, zeros or nothing mean no memo.
    std::uint64_t value = 0;
    bool digits = false;
    for (int i = 0; i < 10; ++i) {
        const char c = bytes[i];
        if (c == ' ' || c == '\0') {
            if (digits) {
                for (int j = i; j < 10; ++j)
                    if (bytes[j] != ' ' && bytes[j] != '\0')
                        throw DbfError::invalidFile();
                break;
            }
            continue;
        }
        if (c < '0' || c > '9')
            throw DbfError::invalidFile();
        digits = true;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (value > 0xFFFFFFFFull)
        throw DbfError::invalidFile();
    return std::uint32_t(value);
}

QString Table::fieldText(int index) const
{
    ensureOpen();
    if (index < 0 || index >= header_.fields.size())
        throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Field index %1 out of range.").arg(index));
    const Field &f = header_.fields.at(index);
    if (f.type == FieldType::Memo) {
        if (const auto it = pendingMemos_.constFind(index); it != pendingMemos_.constEnd())
            return *it;
        if (!view_)
            return {};
        return codePage_->decode(memo_.read(memoBlock(view_ + f.offset)));
    }
    if (!view_)
        return {};
    const char *p = view_ + f.offset;
    int n = f.length;
    while (n > 0 && (p[n - 1] == ' ' || p[n - 1] == '\0'))
        --n;
    return codePage_->decode(QByteArrayView(p, n));
}

QString Table::fieldText(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Field \"%1\" not found.").arg(name));
    return fieldText(i);
}

bool Table::isDeleted() const
{
    return view_ && view_[0] == '*';
}

// ---------------------------------------------------------------- changing

void Table::setFieldText(int index, const QString &text)
{
    if (state_ != State::Edit && state_ != State::Insert)
        throw DbfError(DbfError::Kind::NotOpen, QStringLiteral("Table \"%1\" is not in edit or insert mode.").arg(fileName_));
    if (index < 0 || index >= header_.fields.size())
        throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Field index %1 out of range.").arg(index));
    const Field &f = header_.fields.at(index);
    if (f.type == FieldType::Memo)
        pendingMemos_.insert(index, text);
    else
        codePage_->encodePadded(text, f.length, work_.data() + f.offset);
}

void Table::setFieldText(const QString &name, const QString &text)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Field \"%1\" not found.").arg(name));
    setFieldText(i, text);
}

void Table::insert()
{
    ensureOpen();
    if (state_ != State::Browse)
        post();
    if (file_.isReadOnly())
        throw DbfError::writeFailed();
    work_ = QByteArray(header_.recordLength, ' ');
    pendingMemos_.clear();
    state_ = State::Insert;
    view_ = work_.constData();
}

void Table::appendRecord()
{
    insert();
    post();
}

void Table::edit()
{
    ensureOpen();
    if (state_ == State::Edit)
        return;
    if (state_ == State::Insert)
        post();
    if (!recno_ || (eof_ && bof_))
        throw DbfError(DbfError::Kind::NotOpen, QStringLiteral("No current record in \"%1\".").arg(fileName_));
    if (file_.isReadOnly())
        throw DbfError::writeFailed();
    if (!file_.tryLock(recordLockOffset(recno_), 1)) {
        if (lockBusy(file_.lastError()))
            throw DbfError::recordLocked();
        throw DbfError::writeFailed();
    }
    lockedRecord_ = recno_;
    // The change starts from the newest stored version of the record.
    work_ = QByteArray(header_.recordLength, Qt::Uninitialized);
    if (file_.readAt(header_.recordOffset(recno_), work_.data(), work_.size()) != work_.size()) {
        file_.unlock(recordLockOffset(recno_), 1);
        lockedRecord_ = 0;
        throw DbfError::invalidFile();
    }
    invalidateCache();
    pendingMemos_.clear();
    state_ = State::Edit;
    view_ = work_.constData();
}

void Table::writeMemos()
{
    for (auto it = pendingMemos_.constBegin(); it != pendingMemos_.constEnd(); ++it) {
        const Field &f = header_.fields.at(it.key());
        char *bytes = work_.data() + f.offset;
        std::uint32_t old = 0;
        try {
            old = memoBlock(bytes);
        } catch (const DbfError &) {
            old = 0;  // a damaged pointer is replaced, never followed
        }
        const QByteArray text = codePage_->encode(it.value());
        if (text.isEmpty()) {
            std::memcpy(bytes, "0000000000", 10);
            continue;
        }
        ensureMemoFile();
        const std::uint32_t block = memo_.write(text, old);
        char digits[11];
        std::snprintf(digits, sizeof digits, "%010u", block);
        std::memcpy(bytes, digits, 10);
    }
    pendingMemos_.clear();
}

void Table::appendWork()
{
    const std::uint64_t headerLock = recordLockOffset(0);
    refreshCount();
    std::uint32_t candidate = knownCount_ + 1;
    auto claimFrom = [&](std::uint32_t n) {
        for (;; ++n) {
            if (n == 0xFFFFFFFFu)
                throw DbfError::writeFailed();
            if (file_.tryLock(recordLockOffset(n), 1))
                return n;
            if (!lockBusy(file_.lastError()))
                throw DbfError::writeFailed();
        }
    };
    candidate = claimFrom(candidate);
    if (!file_.lock(headerLock, 1)) {
        file_.unlock(recordLockOffset(candidate), 1);
        throw DbfError::writeFailed();
    }
    std::uint32_t newCount = 0;
    try {
        // A number taken from an older size may belong to an append that has
        // finished since: its record then carries a flag. Those are passed.
        for (;;) {
            char flag = 0;
            const qint64 got = file_.readAt(header_.recordOffset(candidate), &flag, 1);
            if (got == 1 && (flag == ' ' || flag == '*')) {
                file_.unlock(recordLockOffset(candidate), 1);
                candidate = claimFrom(candidate + 1);
                continue;
            }
            break;
        }
        // The count in the header is re-read under its lock: the one read at
        // open time is stale as soon as another workstation appends.
        char fixed[8] = {};
        if (file_.readAt(0, fixed, 8) != 8)
            throw DbfError::writeFailed();
        refreshCount();
        newCount = std::max({u32(fixed + 4), candidate, knownCount_});
        const QDate d = today();
        fixed[1] = char(std::clamp(d.year() - 1900, 0, 255));
        fixed[2] = char(d.month());
        fixed[3] = char(d.day());
        put32(fixed + 4, newCount);
        if (!file_.writeAt(1, fixed + 1, 7))
            throw DbfError::writeFailed();
        const char eofMark = TableHeader::kEndOfFile;
        if (!file_.writeAt(header_.recordOffset(newCount + 1), &eofMark, 1))
            throw DbfError::writeFailed();
    } catch (...) {
        file_.unlock(headerLock, 1);
        file_.unlock(recordLockOffset(candidate), 1);
        throw;
    }
    file_.unlock(headerLock, 1);

    work_[0] = ' ';
    if (!file_.writeAt(header_.recordOffset(candidate), work_)) {
        // Give the number back if nobody has counted past it meanwhile.
        if (file_.lock(headerLock, 1)) {
            char count[4] = {};
            if (file_.readAt(4, count, 4) == 4 && u32(count) == newCount && newCount == candidate) {
                put32(count, candidate - 1);
                file_.writeAt(4, count, 4);
            }
            file_.unlock(headerLock, 1);
        }
        file_.unlock(recordLockOffset(candidate), 1);
        throw DbfError::writeFailed();
    }
    file_.unlock(recordLockOffset(candidate), 1);
    recno_ = candidate;
}

void Table::leaveEditState()
{
    if (lockedRecord_) {
        file_.unlock(recordLockOffset(lockedRecord_), 1);
        lockedRecord_ = 0;
    }
    pendingMemos_.clear();
    state_ = State::Browse;
    ++generation_;
    invalidateCache();
}

void Table::post()
{
    if (state_ == State::Browse || state_ == State::Closed)
        return;
    try {
        writeMemos();
        if (state_ == State::Insert) {
            appendWork();
        } else if (!file_.writeAt(header_.recordOffset(recno_), work_)) {
            throw DbfError::writeFailed();
        }
    } catch (...) {
        leaveEditState();
        refreshCount();
        refetchCurrent();
        throw;
    }
    leaveEditState();
    refreshCount();
    eof_ = bof_ = false;
    refetchCurrent();
    if (currentTag_ >= 0) {
        buildOrder();
        const auto it = std::find(order_.begin(), order_.end(), recno_);
        orderPos_ = it == order_.end() ? -1 : qsizetype(it - order_.begin());
    }
}

void Table::cancel()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    const bool wasInsert = state_ == State::Insert;
    leaveEditState();
    --generation_;
    if (wasInsert && recno_ == 0)
        eof_ = bof_ = true;
    refetchCurrent();
}

void Table::deleteRecord()
{
    ensureOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Browse) {
        if (!recno_ || (eof_ && bof_))
            throw DbfError(DbfError::Kind::NotOpen, QStringLiteral("No current record in \"%1\".").arg(fileName_));
        if (file_.isReadOnly())
            throw DbfError::writeFailed();
        if (!file_.tryLock(recordLockOffset(recno_), 1))
            throw lockBusy(file_.lastError()) ? DbfError::recordLocked() : DbfError::writeFailed();
        lockedRecord_ = recno_;
    }
    const char flag = '*';
    const bool ok = file_.writeAt(header_.recordOffset(recno_), &flag, 1);
    leaveEditState();
    if (!ok)
        throw DbfError::writeFailed();
    refreshCount();
    const std::uint32_t here = recno_;
    locateInOrder();
    const qsizetype herePos = orderPos_;
    bool found = currentTag_ >= 0 ? seekOrder(herePos + 1, 1) : seekForward(here + 1);
    if (!found)
        found = currentTag_ >= 0 ? seekOrder(herePos - 1, -1) : (here > 1 && seekBackward(here - 1));
    if (!found) {
        recno_ = 0;
        view_ = nullptr;
        eof_ = bof_ = true;
    }
}

// ---------------------------------------------------------------- filter

void Table::setFiltered(bool on)
{
    filtered_ = on;
    if (isOpen())
        first();
}

template <typename Visit>
void Table::forEachRecord(Visit visit)
{
    refreshCount();
    const qint64 length = header_.recordLength;
    const std::uint32_t perBlock = std::uint32_t(std::max<qint64>(1, kScanBlockBytes / length));
    QByteArray block;
    for (std::uint32_t n = 1; n <= knownCount_;) {
        const std::uint32_t count = std::min(perBlock, knownCount_ - n + 1);
        block.resize(qsizetype(count) * length);
        const qint64 got = file_.readAt(header_.recordOffset(n), block.data(), block.size());
        if (got < 0)
            throw DbfError(DbfError::Kind::ReadFailed, QStringLiteral("Cannot read \"%1\": %2.").arg(filePath(), systemError(file_.lastError())));
        const std::uint32_t whole = std::uint32_t(got / length);
        for (std::uint32_t i = 0; i < whole; ++i)
            visit(n + i, block.constData() + qint64(i) * length);
        if (whole < count)
            break;
        n += count;
    }
}

std::uint32_t Table::recordCount()
{
    ensureOpen();
    std::uint32_t count = 0;
    forEachRecord([&](std::uint32_t, const char *record) {
        if (accepts(record))
            ++count;
    });
    refetchCurrent();
    return count;
}

std::uint32_t Table::physicalRecordCount()
{
    ensureOpen();
    refreshCount();
    return knownCount_;
}

std::vector<std::uint32_t> Table::visibleRecordNumbers()
{
    ensureOpen();
    std::vector<std::uint32_t> out;
    if (currentTag_ >= 0) {
        if (orderStamp() != orderStamp_)
            buildOrder();
        invalidateCache();
        for (std::uint32_t n : order_)
            if (isVisible(n, Direction::Single))
                out.push_back(n);
    } else {
        forEachRecord([&](std::uint32_t n, const char *record) {
            if (accepts(record))
                out.push_back(n);
        });
    }
    refetchCurrent();
    return out;
}

// ---------------------------------------------------------------- tags

QStringList Table::indexNames() const
{
    QStringList names;
    for (const Tag &t : tags_)
        names << t.name;
    return names;
}

QString Table::indexTag() const
{
    return currentTag_ >= 0 ? tags_.at(currentTag_).name : QString();
}

void Table::addIndexTag(const QString &name, const QString &fieldName)
{
    ensureOpen();
    const int field = fieldIndex(fieldName);
    if (field < 0)
        throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Field \"%1\" not found.").arg(fieldName));
    if (header_.fields.at(field).type != FieldType::Character)
        throw DbfError::invalidFieldType(QStringLiteral("M"), header_.fields.at(field).name);
    if (header_.fields.at(field).length > kMaxKeyLength)
        throw DbfError::indexKeyTooLong(fieldName, header_.fields.at(field).length);
    const QString upper = name.toUpper();
    for (Tag &t : tags_) {
        if (t.name == upper) {
            t.field = field;
            orderStamp_.clear();
            return;
        }
    }
    if (tags_.size() >= kMaxTags)
        throw DbfError::tooManyIndexes();
    tags_.append({upper, field});
}

void Table::selectIndexTag(const QString &name)
{
    ensureOpen();
    if (name.isEmpty()) {
        currentTag_ = -1;
        order_.clear();
        orderStamp_.clear();
    } else {
        const QString upper = name.toUpper();
        int found = -1;
        for (int i = 0; i < tags_.size(); ++i)
            if (tags_.at(i).name == upper)
                found = i;
        if (found < 0)
            throw DbfError(DbfError::Kind::UnknownField, QStringLiteral("Cannot open index: \"%1\".").arg(name));
        currentTag_ = found;
        orderStamp_.clear();
    }
    first();
}

QByteArray Table::orderStamp() const
{
    struct stat st {};
    ::fstat(file_.descriptor(), &st);
    QByteArray stamp;
    stamp.append(reinterpret_cast<const char *>(&st.st_size), sizeof st.st_size);
    stamp.append(reinterpret_cast<const char *>(&st.st_mtim), sizeof st.st_mtim);
    stamp.append(reinterpret_cast<const char *>(&generation_), sizeof generation_);
    stamp.append(QByteArray::number(currentTag_));
    return stamp;
}

void Table::buildOrder()
{
    // The order of a tag: a stable sort of (key, record number) over the live
    // records, made again whenever the file has changed.
    orderStamp_ = orderStamp();
    const Field &f = header_.fields.at(tags_.at(currentTag_).field);
    const int width = f.length;
    QByteArray keys;
    std::vector<std::uint32_t> numbers;
    forEachRecord([&](std::uint32_t n, const char *record) {
        if (record[0] != ' ')
            return;
        keys.append(record + f.offset, width);
        numbers.push_back(n);
    });
    std::vector<std::uint32_t> positions(numbers.size());
    for (size_t i = 0; i < positions.size(); ++i)
        positions[i] = std::uint32_t(i);
    const char *base = keys.constData();
    std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
        return width > 0 && std::memcmp(base + qint64(a) * width, base + qint64(b) * width, size_t(width)) < 0;
    });
    order_.resize(positions.size());
    for (size_t i = 0; i < positions.size(); ++i)
        order_[i] = numbers[positions[i]];
    orderPos_ = -1;
    invalidateCache();
}

// ---------------------------------------------------------------- rebuild

void Table::writeRebuildCopy(const TableHeader &target, const RebuildPlan &plan, const QString &workPath,
                             const QString &workMemoPath)
{
    FileHandle out;
    const QByteArray workName = encodedPath(workPath);
    const int fd = ::open(workName.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw DbfError::writeFailed();
    ::close(fd);
    if (out.open(workPath) != FileHandle::OpenResult::Opened)
        throw DbfError::writeFailed();

    QByteArray memoOut;
    qint64 memoWritten = 0;
    std::uint32_t nextBlock = 1;
    FileHandle memoFile;
    if (target.hasMemo()) {
        const int mfd = ::open(encodedPath(workMemoPath).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (mfd < 0)
            throw DbfError::writeFailed();
        ::close(mfd);
        if (memoFile.open(workMemoPath) != FileHandle::OpenResult::Opened)
            throw DbfError::writeFailed();
        memoOut = MemoFile::newFileBytes();
    }
    const CodePage &targetPage = CodePage::forNumber(target.codePage());
    const bool samePage = targetPage.number() == codePage_->number();

    QByteArray records;
    records.reserve(kScanBlockBytes + target.recordLength);
    qint64 written = target.headerLength;
    std::uint32_t copied = 0;
    auto flushRecords = [&] {
        if (!out.writeAt(written, records))
            throw DbfError::writeFailed();
        written += records.size();
        records.clear();
    };
    auto flushMemos = [&] {
        if (!memoOut.isEmpty() && !memoFile.writeAt(memoWritten, memoOut))
            throw DbfError::writeFailed();
        memoWritten += memoOut.size();
        memoOut.clear();
    };

    // Leading fields that keep their place, type and width are copied as one
    // block; a rebuild that only adds fields at the end is then a plain copy.
    int sameFields = 0;
    int sameBytes = 0;
    if (samePage) {
        for (int j = 0; j < target.fields.size() && j < header_.fields.size(); ++j) {
            const int src = plan.sourceFields.isEmpty() ? j : plan.sourceFields.value(j, -1);
            const Field &to = target.fields.at(j);
            const Field &from = header_.fields.at(j);
            if (src != j || to.type != FieldType::Character || from.type != FieldType::Character
                || to.length != from.length || to.offset != from.offset)
                break;
            ++sameFields;
            sameBytes = to.offset + to.length - 1;
        }
    }

    const char *saved = view_;
    forEachRecord([&](std::uint32_t, const char *record) {
        // Every live record survives, whatever filter or order the view has.
        if (record[0] != ' ')
            return;
        view_ = record;
        const qsizetype at = records.size();
        records.resize(at + target.recordLength, ' ');
        char *dst = records.data() + at;
        if (sameBytes > 0) {
            std::memcpy(dst + 1, record + 1, size_t(sameBytes));
            if (std::memchr(dst + 1, '\0', size_t(sameBytes)))
                std::replace(dst + 1, dst + 1 + sameBytes, '\0', ' ');
        }
        for (int j = sameFields; j < target.fields.size(); ++j) {
            const Field &to = target.fields.at(j);
            const int src = plan.sourceFields.isEmpty() ? j : plan.sourceFields.value(j, -1);
            if (src < 0 || src >= header_.fields.size())
                continue;
            const Field &from = header_.fields.at(src);
            char *field = dst + to.offset;
            if (to.type == FieldType::Character && from.type == FieldType::Character && samePage) {
                const int n = std::min(from.length, to.length);
                std::memcpy(field, record + from.offset, size_t(n));
                for (int k = 0; k < n; ++k)
                    if (field[k] == '\0')
                        field[k] = ' ';
                continue;
            }
            const QString text = fieldText(src);
            if (to.type == FieldType::Character) {
                targetPage.encodePadded(text, to.length, field);
                continue;
            }
            const QByteArray bytes = targetPage.encode(text);
            if (bytes.isEmpty())
                continue;  // a new record's blanks: no memo
            const std::uint32_t blocks = MemoFile::blocksFor(bytes.size());
            const qsizetype mat = memoOut.size();
            memoOut.resize(mat + qsizetype(blocks) * MemoFile::kBlockSize, ' ');
            char *m = memoOut.data() + mat;
            std::memcpy(m, "\xFF\xFF\x08\x00", 4);
            put32(m + 4, std::uint32_t(bytes.size() + 8));
            std::memcpy(m + 8, bytes.constData(), size_t(bytes.size()));
            char digits[11];
            std::snprintf(digits, sizeof digits, "%010u", nextBlock);
            std::memcpy(field, digits, 10);
            nextBlock += blocks;
            if (memoOut.size() >= kScanBlockBytes)
                flushMemos();
        }
        ++copied;
        if (records.size() >= kScanBlockBytes)
            flushRecords();
    });
    view_ = saved;
    records.append(TableHeader::kEndOfFile);
    flushRecords();
    TableHeader h = target;
    h.storedRecordCount = copied;
    if (!out.writeAt(0, h.serialize(today())))
        throw DbfError::writeFailed();
    if (target.hasMemo()) {
        flushMemos();
        char next[4];
        put32(next, nextBlock);
        if (!memoFile.writeAt(0, next, 4) || ::fsync(memoFile.descriptor()) != 0)
            throw DbfError::writeFailed();
    }
    if (::fsync(out.descriptor()) != 0)
        throw DbfError::writeFailed();
}

void Table::rebuild(const RebuildPlan &plan)
{
    ensureOpen();
    post();
    const TableHeader target = TableHeader::forNewTable(plan.fields, header_.languageDriver);
    // The whole-table lock is refused while any other handle, here or on
    // another workstation, has the table open: they would keep writing to
    // the file that is about to be replaced.
    if (!file_.tryLock(kTableLockStart, kTableLockLength))
        throw DbfError::exclusiveRequired();
    const QString folder = QFileInfo(filePath()).absolutePath();
    const QString workPath = QDir(folder).filePath(plan.workFileName);
    const QString workMemoPath = siblingWithSuffix(workPath, QStringLiteral("dbt"));
    auto removeWork = [&] {
        ::unlink(encodedPath(workPath).constData());
        ::unlink(encodedPath(workMemoPath).constData());
    };
    try {
        writeRebuildCopy(target, plan, workPath, workMemoPath);
    } catch (...) {
        removeWork();
        file_.unlock(kTableLockStart, kTableLockLength);
        file_.lock(kOpenMarkByte, 1, FileHandle::LockKind::Shared);
        throw;
    }

    // From here the copy is complete. The table's name never stops leading
    // to a table: the old generation is kept by a second link, and the work
    // file replaces the old one in a single rename.
    const QString tablePath = filePath();
    const QString memoPath = memoFilePath();
    if (!plan.keepOldAs.isEmpty()) {
        const QString keepPath = QDir(folder).filePath(plan.keepOldAs);
        if (::link(encodedPath(tablePath).constData(), encodedPath(keepPath).constData()) == 0 && header_.hasMemo()) {
            const QString keepMemo = siblingWithSuffix(keepPath, QStringLiteral("dbt"));
            ::unlink(encodedPath(keepMemo).constData());
            ::link(encodedPath(memoPath).constData(), encodedPath(keepMemo).constData());
        }
    }
    bool ok = true;
    if (target.hasMemo())
        ok = ::rename(encodedPath(workMemoPath).constData(), encodedPath(memoPath).constData()) == 0;
    ok = ok && ::rename(encodedPath(workPath).constData(), encodedPath(tablePath).constData()) == 0;
    if (ok && !target.hasMemo() && header_.hasMemo())
        ::unlink(encodedPath(memoPath).constData());
    if (!ok)
        removeWork();

    QList<Tag> tags = tags_;
    QStringList tagFields;
    for (const Tag &t : tags)
        tagFields << header_.fields.at(t.field).name;
    const QString tag = indexTag();
    const Filter filter = filter_;
    const bool filtered = filtered_;
    file_.close();  // releases every lock of this handle
    memo_.close();
    state_ = State::Closed;
    open();
    filter_ = filter;
    filtered_ = filtered;
    tags_.clear();
    for (int i = 0; i < tags.size(); ++i) {
        const int moved = fieldIndex(tagFields.at(i));
        if (moved >= 0 && field(moved).type == FieldType::Character && field(moved).length <= kMaxKeyLength)
            tags_.append({tags.at(i).name, moved});
    }
    if (!tag.isEmpty() && indexNames().contains(tag))
        selectIndexTag(tag);
    else
        first();
    if (!ok)
        throw DbfError::writeFailed();
}

}  // namespace morvane::dbase
