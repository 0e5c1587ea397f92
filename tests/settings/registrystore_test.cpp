#include "settings/registrystore.h"
#include "settings/textfileio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString orvaneKey = QStringLiteral("\\Software\\Orvane");
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCR = RegistryRoot::ClassesRoot;

class RegistryStoreTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("reg/registry.reg")); }
    QString read(const QString &key, const QString &name, RegistryRoot root = HKCU) const
    {
        QString out = QStringLiteral("<none>");
        store.readRegistryString(key, name, root, out);
        return out;
    }
    void putFile(const QByteArray &bytes)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("reg")));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString fileText() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? decodeText(file.readAll()).text : QString();
    }
    QStringList asideFiles() const
    {
        return QDir(dir.filePath(QStringLiteral("reg")))
            .entryList({QStringLiteral("registry.reg.unreadable-*")}, QDir::Files);
    }

    QTemporaryDir dir;
    RegistryStore store{path()};
    bool denied = false;
};

TEST_F(RegistryStoreTest, WriteCreatesTheWholePathAndReadsBackIgnoringCase)
{
    EXPECT_TRUE(store.writeRegistryString(QStringLiteral("wordWrap"), QStringLiteral("1"),
                                          QStringLiteral("\\Software\\A\\B\\C"), HKCU));
    EXPECT_EQ(read(QStringLiteral("\\SOFTWARE\\a\\b\\c"), QStringLiteral("WORDWRAP")), u"1");
    // Parents exist as keys of their own, as in an export.
    EXPECT_TRUE(fileText().contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\A]\r\n")));
    // The other root is a separate tree.
    EXPECT_EQ(read(QStringLiteral("\\Software\\A\\B\\C"), QStringLiteral("wordWrap"), HKLM), u"<none>");
}

TEST_F(RegistryStoreTest, ValuesKeepQuotesBackslashesLineBreaksAndTheDefaultValue)
{
    const QString tricky = QStringLiteral("C:\\x \"q\"\r\nend \\n");
    ASSERT_TRUE(store.writeRegistryString(QStringLiteral("v"), tricky, orvaneKey, HKCU));
    ASSERT_TRUE(store.writeRegistryString(QString(), QStringLiteral("dflt"), orvaneKey, HKCU));
    ASSERT_TRUE(store.writeRegistryString(QStringLiteral("empty"), QString(), orvaneKey, HKCU));
    EXPECT_EQ(read(orvaneKey, QStringLiteral("v")), tricky);
    EXPECT_EQ(read(orvaneKey, QString()), u"dflt");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("empty")), u"");
    EXPECT_TRUE(fileText().contains(QStringLiteral("@=\"dflt\"\r\n")));
}

TEST_F(RegistryStoreTest, FileIsUtf16WithTheExportHeader)
{
    store.writeRegistryString(QStringLiteral("a"), QStringLiteral("b"), orvaneKey, HKCU);
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(QByteArray("\xFF\xFEW\0i\0n\0", 8)));
    EXPECT_TRUE(fileText().startsWith(
        QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n")));
}

TEST_F(RegistryStoreTest, MatchesTreatsZeroAsExistenceAndComparesCaseSensitively)
{
    store.writeRegistryString(QStringLiteral("x"), QStringLiteral("abc"), orvaneKey, HKCU);
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, QStringLiteral("x"), HKCU, QStringLiteral("0")));
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, QStringLiteral("X"), HKCU, QStringLiteral("abc")));
    store.writeRegistryString(QStringLiteral("x"), QStringLiteral("ABC"), orvaneKey, HKCU);
    EXPECT_FALSE(store.registryValueMatches(orvaneKey, QStringLiteral("x"), HKCU, QStringLiteral("abc")));
    EXPECT_FALSE(store.registryValueMatches(orvaneKey, QStringLiteral("y"), HKCU, QStringLiteral("0")));
    EXPECT_FALSE(store.registryValueMatches(QStringLiteral("\\Nope"), QStringLiteral("x"), HKCU,
                                            QStringLiteral("0")));
}

TEST_F(RegistryStoreTest, DeleteKeyRemovesNestedKeysButNotSiblingsWithTheSamePrefix)
{
    store.writeRegistryString(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("\\S\\K\\Sub\\Deep"), HKCU);
    store.writeRegistryString(QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("\\S\\K"), HKCU);
    store.writeRegistryString(QStringLiteral("c"), QStringLiteral("3"), QStringLiteral("\\S\\Keep"), HKCU);

    EXPECT_TRUE(store.deleteRegistryKey(QStringLiteral("\\s\\k"), HKCU));
    EXPECT_EQ(read(QStringLiteral("\\S\\K\\Sub\\Deep"), QStringLiteral("a")), u"<none>");
    EXPECT_EQ(read(QStringLiteral("\\S\\K"), QStringLiteral("b")), u"<none>");
    EXPECT_EQ(read(QStringLiteral("\\S\\Keep"), QStringLiteral("c")), u"3");
    EXPECT_FALSE(fileText().contains(QStringLiteral("Sub")));
    // A key that is not there cannot be deleted; the root cannot be deleted at all.
    EXPECT_FALSE(store.deleteRegistryKey(QStringLiteral("\\S\\K"), HKCU));
    EXPECT_FALSE(store.deleteRegistryKey(QStringLiteral("\\"), HKCU));
}

TEST_F(RegistryStoreTest, DeleteValueSucceedsForMissingKeyAndMissingValue)
{
    EXPECT_TRUE(store.deleteRegistryValue(QStringLiteral("\\No\\Such"), QStringLiteral("v"), HKCU));
    store.writeRegistryString(QStringLiteral("keep"), QStringLiteral("1"), orvaneKey, HKCU);
    store.writeRegistryString(QStringLiteral("gone"), QStringLiteral("2"), orvaneKey, HKCU);
    EXPECT_TRUE(store.deleteRegistryValue(orvaneKey, QStringLiteral("missing"), HKCU));
    EXPECT_TRUE(store.deleteRegistryValue(orvaneKey, QStringLiteral("GONE"), HKCU));
    EXPECT_EQ(read(orvaneKey, QStringLiteral("gone")), u"<none>");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("keep")), u"1");
}

TEST_F(RegistryStoreTest, NoRegistryWriteRefusesChangesButAllowsReads)
{
    store.writeRegistryString(QStringLiteral("v"), QStringLiteral("1"), orvaneKey, HKCU);
    const QString before = fileText();
    store.setWriteDenied([this] { return denied; });
    denied = true;
    EXPECT_FALSE(store.writeRegistryString(QStringLiteral("v"), QStringLiteral("2"), orvaneKey, HKCU));
    EXPECT_FALSE(store.deleteRegistryValue(orvaneKey, QStringLiteral("v"), HKCU));
    EXPECT_FALSE(store.deleteRegistryKey(orvaneKey, HKCU));
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(read(orvaneKey, QStringLiteral("v")), u"1");
    denied = false;
    EXPECT_TRUE(store.writeRegistryString(QStringLiteral("v"), QStringLiteral("2"), orvaneKey, HKCU));
}

TEST_F(RegistryStoreTest, ClassViewReadsTheUsersKeyOverTheMachines)
{
    const QString cls = QStringLiteral("\\txtfile\\shell");
    store.writeRegistryString(QStringLiteral("v"), QStringLiteral("machine"),
                              QStringLiteral("\\Software\\Classes\\txtfile\\shell"), HKLM);
    EXPECT_EQ(read(cls, QStringLiteral("v"), HKCR), u"machine");
    store.writeRegistryString(QStringLiteral("v"), QStringLiteral("user"),
                              QStringLiteral("\\Software\\Classes\\txtfile\\shell"), HKCU);
    EXPECT_EQ(read(cls, QStringLiteral("v"), HKCR), u"user");
}

TEST_F(RegistryStoreTest, ClassViewWritesWhereTheKeyExistsElseToTheMachine)
{
    const QString userClasses = QStringLiteral("\\Software\\Classes\\.nfo");
    const QString machineClasses = QStringLiteral("\\Software\\Classes\\.diz");
    store.writeRegistryString(QStringLiteral("old"), QStringLiteral("u"), userClasses, HKCU);

    store.writeRegistryString(QString(), QStringLiteral("nfofile"), QStringLiteral("\\.nfo"), HKCR);
    store.writeRegistryString(QString(), QStringLiteral("dizfile"), QStringLiteral("\\.diz"), HKCR);
    EXPECT_EQ(read(userClasses, QString(), HKCU), u"nfofile");
    EXPECT_EQ(read(userClasses, QString(), HKLM), u"<none>");
    EXPECT_EQ(read(machineClasses, QString(), HKLM), u"dizfile");
    EXPECT_EQ(read(machineClasses, QString(), HKCU), u"<none>");
}

TEST_F(RegistryStoreTest, ClassViewDeleteRemovesBothHalves)
{
    const QString key = QStringLiteral("\\*\\shell\\View with Orvane");
    store.writeRegistryString(QString(), QStringLiteral("m"), QStringLiteral("\\Software\\Classes") + key + QStringLiteral("\\command"), HKLM);
    store.writeRegistryString(QString(), QStringLiteral("u"), QStringLiteral("\\Software\\Classes") + key + QStringLiteral("\\command"), HKCU);
    EXPECT_TRUE(store.deleteRegistryKey(key, HKCR));
    EXPECT_FALSE(store.registryValueMatches(key + QStringLiteral("\\command"), QString(), HKCR, QStringLiteral("0")));
    EXPECT_FALSE(store.deleteRegistryKey(key, HKCR));
}

TEST_F(RegistryStoreTest, ReadsAHandWrittenUtf8ExportWithOtherValueTypes)
{
    putFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orvane]\n\"a\"=\"x=y\"\n"
            "\"n\"=dword:00000001\n\"h\"=hex:01,02,\\\n  03\n\n[hkey_classes_root\\.nfo]\n@=\"nfofile\"\n");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("a")), u"x=y");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("n")), u"<none>"); // not a string
    EXPECT_TRUE(store.registryValueMatches(orvaneKey, QStringLiteral("n"), HKCU, QStringLiteral("0")));
    EXPECT_EQ(read(QStringLiteral("\\.nfo"), QString(), HKCR), u"nfofile");
    // Rewriting keeps the other types as they were and sets nothing aside.
    store.writeRegistryString(QStringLiteral("b"), QStringLiteral("1"), orvaneKey, HKCU);
    EXPECT_TRUE(fileText().contains(QStringLiteral("\"n\"=dword:00000001\r\n")));
    EXPECT_TRUE(fileText().contains(QStringLiteral("\"h\"=hex:01,02,03\r\n")));
    EXPECT_TRUE(asideFiles().isEmpty());
}

TEST_F(RegistryStoreTest, DamagedFileIsReadAsFarAsPossibleAndKeptAsideBeforeRewriting)
{
    const QByteArray damaged = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Orvane]\r\n\"good\"=\"1\"\r\n"
                               "garbage line\r\n[HKEY_NOWHERE\\x]\r\n\"lost\"=\"2\"\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Orvane]\r\n\"cut\"=\"unterminat";
    putFile(damaged);
    EXPECT_EQ(read(orvaneKey, QStringLiteral("good")), u"1");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("cut")), u"<none>");
    EXPECT_TRUE(asideFiles().isEmpty()); // reading alone changes nothing

    ASSERT_TRUE(store.writeRegistryString(QStringLiteral("new"), QStringLiteral("3"), orvaneKey, HKCU));
    ASSERT_EQ(asideFiles().size(), 1);
    QFile aside(dir.filePath(QStringLiteral("reg/") + asideFiles().first()));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    EXPECT_EQ(read(orvaneKey, QStringLiteral("good")), u"1");
    EXPECT_EQ(read(orvaneKey, QStringLiteral("new")), u"3");
    // The rewritten file is clean: the next change sets nothing more aside.
    store.writeRegistryString(QStringLiteral("more"), QStringLiteral("4"), orvaneKey, HKCU);
    EXPECT_EQ(asideFiles().size(), 1);
}

TEST_F(RegistryStoreTest, BinaryNonsenseAndTruncatedUtf16NeverCrash)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 7919) % 256);
    for (const QByteArray &bytes : {noise, QByteArray("\xFF\xFE[\0H\0K", 7), QByteArray("[", 1)}) {
        putFile(bytes);
        EXPECT_EQ(read(orvaneKey, QStringLiteral("x")), u"<none>");
        EXPECT_TRUE(store.writeRegistryString(QStringLiteral("x"), QStringLiteral("ok"), orvaneKey, HKCU));
        EXPECT_EQ(read(orvaneKey, QStringLiteral("x")), u"ok");
    }
    EXPECT_EQ(asideFiles().size(), 3);
}

TEST_F(RegistryStoreTest, UnwritableLocationMakesChangesFail)
{
    putFile(QByteArray());
    RegistryStore blocked(path() + QStringLiteral("/under-a-file/registry.reg"));
    EXPECT_FALSE(blocked.writeRegistryString(QStringLiteral("v"), QStringLiteral("1"), orvaneKey, HKCU));
    EXPECT_FALSE(blocked.deleteRegistryKey(orvaneKey, HKCU));
    QString out = QStringLiteral("fallback");
    EXPECT_FALSE(blocked.readRegistryString(orvaneKey, QStringLiteral("v"), HKCU, out));
    EXPECT_EQ(out, u"fallback");
}

TEST(RegistryFailureMessage, NamesTheSettingOrTheMissingRights)
{
    EXPECT_TRUE(registryFailureMessage(true).startsWith(QStringLiteral("You have selected to not allow")));
    const QString rights = registryFailureMessage(false);
    EXPECT_TRUE(rights.startsWith(QStringLiteral("There was an error writing the registry key.")));
    EXPECT_TRUE(rights.contains(QStringLiteral("registry.\\n\\nYou can also try")));
}

} // namespace
