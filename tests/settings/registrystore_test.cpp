#include "settings/registrystore.h"
#include "settings/textfileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString orvaneKey = u"\\Software\\Orvane"_s;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCR = RegistryRoot::ClassesRoot;

class RegistryStoreTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(u"reg/registry.reg"_s); }
    QString read(const QString &key, const QString &name, RegistryRoot root = HKCU) const
    {
        QString out = u"<none>"_s;
        store.readRegistryString(key, name, root, out);
        return out;
    }
    bool write(
        const QString &key, const QString &name, const QString &data, RegistryRoot root = HKCU)
    {
        return store.writeRegistryString(name, data, key, root);
    }
    void putFile(const QByteArray &bytes)
    {
        QDir().mkpath(dir.filePath(u"reg"_s));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray fileBytes(const QString &name = u"registry.reg"_s) const
    {
        QFile file(dir.filePath(u"reg/"_s + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString fileText() const { return decodeText(fileBytes()).text; }
    QStringList asideFiles() const
    {
        return QDir(dir.filePath(u"reg"_s))
            .entryList({ u"registry.reg.unreadable-*"_s }, QDir::Files);
    }

    QTemporaryDir dir;
    RegistryStore store { path() };
};

TEST_F(RegistryStoreTest, WriteCreatesTheWholePathAsAUtf16Export)
{
    EXPECT_TRUE(write(u"\\Software\\A\\B"_s, u"wordWrap"_s, u"1"_s));
    EXPECT_EQ(read(u"\\SOFTWARE\\a\\b"_s, u"WORDWRAP"_s), u"1");
    EXPECT_EQ(read(u"\\Software\\A\\B"_s, u"wordWrap"_s, HKLM), u"<none>");
    EXPECT_TRUE(fileBytes().startsWith("\xFF\xFEW\0i\0n\0"_ba));
    EXPECT_EQ(fileText(),
        u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\A]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\A\\B]\r\n\"wordWrap\"=\"1\"\r\n\r\n");
}

TEST_F(RegistryStoreTest, ValuesRoundTripAndMatchesTreatsZeroAsExistence)
{
    const QString tricky = u"C:\\x \"q\"\r\nend \\n"_s;
    write(orvaneKey, u"v"_s, tricky);
    write(orvaneKey, QString(), u"abc"_s);
    EXPECT_EQ(read(orvaneKey, u"V"_s), tricky);
    EXPECT_EQ(read(orvaneKey, QString()), u"abc");
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, QString(), HKCU, u"0"_s));
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, QString(), HKCU, u"abc"_s));
    EXPECT_FALSE(store.registryValueMatches(orvaneKey, QString(), HKCU, u"ABC"_s));
    EXPECT_FALSE(store.registryValueMatches(orvaneKey, u"y"_s, HKCU, u"0"_s));
    EXPECT_FALSE(store.registryValueMatches(u"\\Nope"_s, u"v"_s, HKCU, u"0"_s));
}

TEST_F(RegistryStoreTest, DeleteKeyTakesNestedKeysButNotSiblingsWithTheSamePrefix)
{
    write(u"\\S\\K\\Sub\\Deep"_s, u"a"_s, u"1"_s);
    write(u"\\S\\K"_s, u"b"_s, u"2"_s);
    write(u"\\S\\Keep"_s, u"c"_s, u"3"_s);
    EXPECT_TRUE(store.deleteRegistryKey(u"\\s\\k"_s, HKCU));
    EXPECT_EQ(read(u"\\S\\K"_s, u"b"_s), u"<none>");
    EXPECT_EQ(read(u"\\S\\Keep"_s, u"c"_s), u"3");
    EXPECT_FALSE(fileText().contains(u"Sub"_s));
    // A missing key cannot be deleted, nor can a root.
    EXPECT_FALSE(store.deleteRegistryKey(u"\\S\\K"_s, HKCU));
    EXPECT_FALSE(store.deleteRegistryKey(u"\\"_s, HKCU));
}

TEST_F(RegistryStoreTest, DeleteValueSucceedsForAMissingKeyOrValue)
{
    EXPECT_TRUE(store.deleteRegistryValue(u"\\No\\Such"_s, u"v"_s, HKCU));
    write(orvaneKey, u"keep"_s, u"1"_s);
    write(orvaneKey, u"gone"_s, u"2"_s);
    EXPECT_TRUE(store.deleteRegistryValue(orvaneKey, u"missing"_s, HKCU));
    EXPECT_TRUE(store.deleteRegistryValue(orvaneKey, u"GONE"_s, HKCU));
    EXPECT_EQ(read(orvaneKey, u"gone"_s), u"<none>");
    EXPECT_EQ(read(orvaneKey, u"keep"_s), u"1");
}

// Regression: the delete used to create the store's folder first and failed when it could not.
TEST_F(RegistryStoreTest, DeleteValueOfAMissingKeyNeedsNoFolder)
{
    QFile blocker(dir.filePath(u"reg"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder would go
    blocker.close();
    EXPECT_TRUE(store.deleteRegistryValue(orvaneKey, u"v"_s, HKCU));
    EXPECT_TRUE(store.deleteRegistryValue(u"\\Software\\Classes\\.nfo"_s, u"v"_s, HKCR));
    EXPECT_FALSE(write(orvaneKey, u"v"_s, u"1"_s));
}

// Regression: a pipe in the file's place blocked the first read for ever.
TEST_F(RegistryStoreTest, APipeInTheFilesPlaceIsUnreadableAndLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"reg"_s)));
    ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    EXPECT_EQ(read(orvaneKey, u"x"_s), u"<none>");
    EXPECT_FALSE(store.registryValueMatches(orvaneKey, u"x"_s, HKCU, u"0"_s));
    EXPECT_FALSE(write(orvaneKey, u"x"_s, u"1"_s));
    EXPECT_FALSE(store.deleteRegistryValue(orvaneKey, u"x"_s, HKCU));
    EXPECT_FALSE(store.deleteRegistryKey(orvaneKey, HKCU));
    EXPECT_FALSE(QFileInfo(path()).isFile());
    EXPECT_TRUE(QFileInfo::exists(path()));
}

TEST_F(RegistryStoreTest, ABatchReadsOnceButSeesItsOwnWrites)
{
    write(orvaneKey, u"a"_s, u"1"_s);
    store.beginReadBatch();
    EXPECT_EQ(read(orvaneKey, u"a"_s), u"1");
    // Another window's write during the batch is not looked for...
    RegistryStore other { path() };
    other.writeRegistryString(u"b"_s, u"2"_s, orvaneKey, HKCU);
    EXPECT_EQ(read(orvaneKey, u"b"_s), u"<none>");
    // ...but a write of our own makes the batch read again.
    write(orvaneKey, u"a"_s, u"3"_s);
    EXPECT_EQ(read(orvaneKey, u"a"_s), u"3");
    EXPECT_EQ(read(orvaneKey, u"b"_s), u"2");
    store.endReadBatch();
    other.writeRegistryString(u"b"_s, u"4"_s, orvaneKey, HKCU);
    EXPECT_EQ(read(orvaneKey, u"b"_s), u"4");
}

TEST_F(RegistryStoreTest, ManyKeysKeepTheirOwnValues)
{
    QString text = u"Windows Registry Editor Version 5.00\r\n\r\n"_s;
    for (int i = 0; i < 2000; ++i)
        text += u"[HKEY_CURRENT_USER\\Software\\Classes\\.e%1]\r\n@=\"t%1\"\r\n\r\n"_s.arg(i);
    putFile(QByteArray("\xFF\xFE")
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
    EXPECT_EQ(read(u"\\Software\\Classes\\.E1999"_s, QString()), u"t1999");
    EXPECT_TRUE(store.deleteRegistryKey(u"\\Software\\Classes\\.e7"_s, HKCU));
    EXPECT_EQ(read(u"\\Software\\Classes\\.e7"_s, QString()), u"<none>");
    EXPECT_EQ(read(u"\\.e8"_s, QString(), HKCR), u"t8");
    EXPECT_TRUE(write(u"\\Software\\Classes\\.e9"_s, QString(), u"new"_s));
    EXPECT_EQ(read(u"\\Software\\Classes\\.e9"_s, QString()), u"new");
    EXPECT_EQ(read(u"\\Software\\Classes\\.e10"_s, QString()), u"t10");
}

TEST_F(RegistryStoreTest, NoRegistryWriteRefusesChangesButAllowsReads)
{
    write(orvaneKey, u"v"_s, u"1"_s);
    const QByteArray before = fileBytes();
    bool denied = true;
    store.setWriteDenied([&] { return denied; });
    EXPECT_FALSE(write(orvaneKey, u"v"_s, u"2"_s));
    EXPECT_FALSE(store.deleteRegistryValue(orvaneKey, u"v"_s, HKCU));
    EXPECT_FALSE(store.deleteRegistryKey(orvaneKey, HKCU));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(read(orvaneKey, u"v"_s), u"1");
    denied = false;
    EXPECT_TRUE(write(orvaneKey, u"v"_s, u"2"_s));
}

TEST_F(RegistryStoreTest, ClassViewPrefersTheUsersKeyForReadsWritesAndDeletesBoth)
{
    write(u"\\Software\\Classes\\.nfo"_s, u"v"_s, u"machine"_s, HKLM);
    EXPECT_EQ(read(u"\\.nfo"_s, u"v"_s, HKCR), u"machine");
    write(u"\\Software\\Classes\\.nfo"_s, u"v"_s, u"user"_s, HKCU);
    EXPECT_EQ(read(u"\\.nfo"_s, u"v"_s, HKCR), u"user");

    // Writes go where the key already is, else to the machine.
    write(u"\\.nfo"_s, QString(), u"nfofile"_s, HKCR);
    write(u"\\.diz"_s, QString(), u"dizfile"_s, HKCR);
    EXPECT_EQ(read(u"\\Software\\Classes\\.nfo"_s, QString(), HKCU), u"nfofile");
    EXPECT_EQ(read(u"\\Software\\Classes\\.nfo"_s, QString(), HKLM), u"<none>");
    EXPECT_EQ(read(u"\\Software\\Classes\\.diz"_s, QString(), HKLM), u"dizfile");

    EXPECT_TRUE(store.deleteRegistryKey(u"\\.NFO"_s, HKCR));
    EXPECT_FALSE(store.registryValueMatches(u"\\.nfo"_s, u"v"_s, HKCR, u"0"_s));
    EXPECT_FALSE(store.deleteRegistryKey(u"\\.nfo"_s, HKCR));
}

TEST_F(RegistryStoreTest, ReadsAHandWrittenExportWithOtherValueTypes)
{
    putFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orvane]\n\"a\"=\"x=y\"\n"
            "\"n\"=dword:00000001\n\"h\"=hex:01,02,\\\n  "
            "03\n\n[hkey_classes_root\\.nfo]\n@=\"nfofile\"\n");
    EXPECT_EQ(read(orvaneKey, u"a"_s), u"x=y");
    EXPECT_EQ(read(orvaneKey, u"n"_s), u"<none>"); // not a string
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, u"n"_s, HKCU, u"0"_s));
    EXPECT_EQ(read(u"\\.nfo"_s, QString(), HKCR), u"nfofile");
    write(orvaneKey, u"b"_s, u"1"_s);
    EXPECT_TRUE(fileText().contains(u"\"n\"=dword:00000001\r\n\"h\"=hex:01,02,03\r\n"_s));
    EXPECT_TRUE(asideFiles().isEmpty());
}

TEST_F(RegistryStoreTest, DamagedFileIsReadAsFarAsPossibleAndKeptAsideBeforeRewriting)
{
    const QByteArray damaged = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Orvane]\r\n\"good\"=\"1\"\r\n"
                               "garbage line\r\n[HKEY_NOWHERE\\x]\r\n\"lost\"=\"2\"\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Orvane]\r\n\"cut\"=\"unterminat";
    putFile(damaged);
    EXPECT_EQ(read(orvaneKey, u"good"_s), u"1");
    EXPECT_EQ(read(orvaneKey, u"cut"_s), u"<none>");
    EXPECT_TRUE(asideFiles().isEmpty()); // reading alone changes nothing

    ASSERT_TRUE(write(orvaneKey, u"new"_s, u"3"_s));
    ASSERT_EQ(asideFiles().size(), 1);
    EXPECT_EQ(fileBytes(asideFiles().first()), damaged);
    EXPECT_EQ(read(orvaneKey, u"good"_s), u"1");
    write(orvaneKey, u"more"_s, u"4"_s); // the rewritten file is clean
    EXPECT_EQ(asideFiles().size(), 1);

    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char(i * 7919 % 256);
    for (const QByteArray &bytes : { noise, "\xFF\xFE[\0H\0K"_ba, "["_ba }) {
        putFile(bytes);
        EXPECT_EQ(read(orvaneKey, u"x"_s), u"<none>");
        EXPECT_TRUE(write(orvaneKey, u"x"_s, u"ok"_s));
        EXPECT_EQ(read(orvaneKey, u"x"_s), u"ok");
    }
    EXPECT_EQ(asideFiles().size(), 4);
}

TEST_F(RegistryStoreTest, AFileThatCannotBeReadAtAllIsNeitherReplacedNorMoved)
{
    // A folder in the file's place fails to open, as an unreadable file would.
    ASSERT_TRUE(QDir().mkpath(path()));
    EXPECT_FALSE(write(orvaneKey, u"x"_s, u"1"_s));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_TRUE(QDir(dir.filePath(u"reg"_s)).entryList({ u"registry.reg.*"_s }).isEmpty());
}

TEST(RegistryFailureMessage, NamesTheSettingOrTheMissingRights)
{
    EXPECT_TRUE(registryFailureMessage(true).startsWith(u"You have selected to not allow"_s));
    EXPECT_TRUE(registryFailureMessage(false).contains(u"Windows registry.\n\nYou can also try"_s));
}

} // namespace
