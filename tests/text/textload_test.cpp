#include "filehelpers.h"
#include "text/textload.h"
#include "text/textsave.h"
#include "view/tmemopad.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace {

class TextLoad : public ::testing::Test
{
protected:
    LoadResult load(const QByteArray &content, Encoding chosen = Encoding::None, bool nfo = false)
    {
        return loadPath(scratch.write(QStringLiteral("in.nfo"), content), chosen, nfo);
    }
    LoadResult loadPath(const QString &path, Encoding chosen = Encoding::None, bool nfo = false)
    {
        return LoadTextFile({ path, chosen, nfo, kMaxTextFileBytes }, location);
    }
    static QString openFailed(const QString &path)
    {
        return QStringLiteral("Could not open file: ") + path;
    }

    ScratchFolder scratch;
    ScratchFolder copies;
    TempCopyLocation location { { copies.folder() } };
};

TEST_F(TextLoad, EveryLineBreakBecomesCrLfAndNoneIsAdded)
{
    EXPECT_EQ(load("a\nb\rc\r\nd").text, QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(load("\r").text, QStringLiteral("\r\n"));
    EXPECT_EQ(ToCrLf(QStringLiteral("\n\r\r\nx\r\ny\r")), QStringLiteral("\r\n\r\n\r\nx\r\ny\r\n"));
}

// Long plain runs are moved a chunk at a time; breaks among them and at
// the chunks' edges come out as one by one.
TEST(ToCrLf, LongTextsAsCharacterByCharacter)
{
    std::mt19937 random(19);
    for (int round = 0; round < 200; ++round) {
        QString text;
        for (int n = int(random() % 300); n > 0; --n)
            text += random() % 12 == 0 ? QChar(u"\r\n\t\u00E9"[random() % 4])
                                       : QChar(char16_t(u'a' + random() % 26));
        QString expected;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                continue;
            expected
                += text[i] == u'\r' || text[i] == u'\n' ? QStringLiteral("\r\n") : QString(text[i]);
        }
        ASSERT_EQ(ToCrLf(text), expected);
    }
}

TEST_F(TextLoad, DoubledCarriageReturnsLoadRepairedAndTheCopyIsDeleted)
{
    const LoadResult r = load("one\r\r\ntwo\r\r\nthree");
    EXPECT_TRUE(r.repaired);
    EXPECT_EQ(r.text, QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(TextLoad, Utf16IsNeverRepairedByteWise)
{
    // U+0D15 then CR in UTF-16 LE holds the bytes 0D 0D: no doubled carriage return.
    const QString text = QStringLiteral("\u0D15\r\n\u010Ax\r\n");
    const QByteArray units(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const LoadResult marked = load("\xFF\xFE" + units);
    EXPECT_FALSE(marked.repaired);
    EXPECT_EQ(marked.text, text);
    const LoadResult chosen = load(units, Encoding::Utf16LE);
    EXPECT_FALSE(chosen.repaired);
    EXPECT_EQ(chosen.text, text);
    EXPECT_FALSE(QFile::exists(location.path()));
}

TEST_F(TextLoad, AnotherRepairAtTheSameMomentDoesNotSwapTheCopies)
{
    // Two windows share the copy's path; each must load its own file.
    const LoadRequest first { scratch.write(QStringLiteral("a.nfo"), "first\r\r\n") };
    const Detection firstDetection = DetectEncoding(first.path, true, location);
    const LoadRequest second { scratch.write(QStringLiteral("b.nfo"), "second\r\r\n") };
    const Detection secondDetection = DetectEncoding(second.path, true, location);
    EXPECT_EQ(LoadDetectedFile(first, firstDetection).text, QStringLiteral("first\r\n"));
    EXPECT_EQ(LoadDetectedFile(second, secondDetection).text, QStringLiteral("second\r\n"));
}

TEST_F(TextLoad, EncodingChosenDetectedOrNone)
{
    const LoadResult plain = load("caf\xE9 \x80");
    EXPECT_EQ(plain.text, QStringLiteral("caf\u00E9 \u20AC"));
    EXPECT_EQ(plain.documentEncoding, Encoding::None);
    EXPECT_EQ(plain.loadEncoding, Encoding::Ansi);

    const LoadResult utf8 = load("\xEF\xBB\xBF\xC3\xA9");
    EXPECT_EQ(utf8.text, QStringLiteral("\u00E9")); // the mark is skipped
    EXPECT_EQ(utf8.loadEncoding, Encoding::Utf8);
    EXPECT_EQ(load(QByteArray("\xFF\xFE"
                              "A\0\n\0",
                       6))
                  .text,
        QStringLiteral("A\r\n"));

    // A chosen encoding decides; a mark of another encoding is text.
    const LoadResult ansi = load("\xEF\xBB\xBFx", Encoding::Ansi);
    EXPECT_EQ(ansi.text, QStringLiteral("\u00EF\u00BB\u00BFx"));
    EXPECT_EQ(ansi.documentEncoding, Encoding::Ansi);

    const LoadResult wrong = load("caf\xE9", Encoding::Utf8);
    EXPECT_TRUE(wrong.invalidBytes);
    EXPECT_EQ(wrong.text, WithEscapes(QStringLiteral("caf~E9")));
}

TEST_F(TextLoad, NfoWithoutRecognisedEncodingLoadsAsWesternLatin)
{
    const LoadResult nfo = load("\xDB\xDB\xB1", Encoding::None, true);
    EXPECT_EQ(nfo.documentEncoding, Encoding::WesternLatin);
    EXPECT_EQ(nfo.text, QStringLiteral("\u00DB\u00DB\u00B1"));
    EXPECT_EQ(load("\xEF\xBB\xBFx", Encoding::None, true).documentEncoding, Encoding::Utf8);
    // Forced to the code page, NUL bytes are text too.
    const LoadResult nul = load(QByteArray("\xDB\0\xB1", 3), Encoding::None, true);
    EXPECT_FALSE(nul.nulPath);
    EXPECT_EQ(nul.documentEncoding, Encoding::WesternLatin);
    EXPECT_EQ(nul.text, QString::fromUtf16(u"\u00DB\0\u00B1", 3));
}

TEST_F(TextLoad, NulBytesShowOneCharacterPerByteFromTheFileItself)
{
    // UTF-16 without a mark, with a doubled CR: no repair, no line-break change.
    const LoadResult r = load(QByteArray("h\0\r\r\n\0\xE9\0", 8));
    EXPECT_TRUE(r.nulPath);
    EXPECT_EQ(r.text, QStringLiteral("h \r\r\n \u00E9 "));
    EXPECT_FALSE(r.loadEncoding.has_value());
    EXPECT_FALSE(QFile::exists(location.path()));
    EXPECT_FALSE(load(QByteArray("h\0i\0", 4), Encoding::Utf16LE).nulPath);
}

// Regression: a mark or a UTF-8 sample followed by one bad byte was loaded
// whole as 8-bit text, so "Save as Unicode" encoded every letter twice.
TEST_F(TextLoad, DeclaredUtf8StaysUtf8AndKeepsItsBadBytes)
{
    const QByteArray marked("\xEF\xBB\xBF"
                            "caf\xC3\xA9 \xE2\x95\x94\r\nbad\xE9\r\n");
    const LoadResult r = load(marked);
    EXPECT_EQ(r.text, WithEscapes(QStringLiteral("caf\u00E9 \u2554\r\nbad~E9\r\n")));
    EXPECT_EQ(r.documentEncoding, Encoding::Utf8);
    EXPECT_TRUE(r.invalidBytes);
    EXPECT_EQ("\xEF\xBB\xBF" + EncodeText(r.text, Encoding::Utf8), marked);

    // Valid in the sample, broken far beyond it.
    const QByteArray sampled = "\xC3\xA9" + QByteArray(2000, 'a') + "\x93q\x94";
    const LoadResult s = load(sampled);
    EXPECT_EQ(s.documentEncoding, Encoding::Utf8);
    EXPECT_EQ(EncodeText(s.text, *s.loadEncoding), sampled);
}

TEST_F(TextLoad, EscapedBytesSurviveTheEditor)
{
    const LoadResult r = load("\xEF\xBB\xBFok\xE9\r\n\xFF\xFEx");
    ASSERT_EQ(r.documentEncoding, Encoding::Utf8);
    TMemoPad memo;
    memo.setText(r.text);
    EXPECT_EQ(memo.text(), r.text);
    EXPECT_EQ(EncodeText(memo.text(), Encoding::Utf8), "ok\xE9\r\n\xFF\xFEx");
}

struct WholeFileCase
{
    const char *name;
    QByteArray bytes;
    Encoding expected;
};

class WholeFileUtf8 : public TextLoad, public ::testing::WithParamInterface<WholeFileCase>
{
};

// Regression: a UTF-8 file whose first 1024 bytes are ASCII showed as 8-bit text.
TEST_P(WholeFileUtf8, PlainAsciiSampleChecksTheWholeFile)
{
    const LoadResult r = load(GetParam().bytes);
    EXPECT_EQ(r.documentEncoding, GetParam().expected);
    EXPECT_EQ(EncodeText(r.text, *r.loadEncoding), GetParam().bytes);
}

const QByteArray asciiStart(1500, 'a');

INSTANTIATE_TEST_SUITE_P(TextLoad, WholeFileUtf8,
    ::testing::Values(
        WholeFileCase { "utf8_after_the_sample", asciiStart + "\xC2\xB7 x", Encoding::Utf8 },
        WholeFileCase { "eight_bit_after_the_sample", asciiStart + "\xB7 x", Encoding::None },
        WholeFileCase { "utf8_then_a_bad_byte", asciiStart + "\xC2\xB7\xE9", Encoding::None },
        WholeFileCase { "pure_ascii", asciiStart, Encoding::None }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TextLoad, WholeFileUtf8WinsOverTheForcedNfoCodePage)
{
    EXPECT_EQ(
        load(asciiStart + "\xE2\x95\x94", Encoding::None, true).documentEncoding, Encoding::Utf8);
    EXPECT_EQ(
        load(asciiStart + "\xC9", Encoding::None, true).documentEncoding, Encoding::WesternLatin);
}

TEST_F(TextLoad, FormRemembersAMissingByteOrderMark)
{
    EXPECT_EQ(load("caf\xC3\xA9").form.unmarked, Encoding::Utf8);
    EXPECT_EQ(load("\xEF\xBB\xBF"
                   "caf\xC3\xA9")
                  .form.unmarked,
        Encoding::None);
    EXPECT_EQ(load(QByteArray("x\0", 2), Encoding::Utf16LE).form.unmarked, Encoding::Utf16LE);
    EXPECT_EQ(load("\xFF\xFEx\0", Encoding::Utf16LE).form.unmarked, Encoding::None);
    EXPECT_EQ(load("caf\xE9").form.unmarked, Encoding::None); // 8-bit text has no mark
}

struct LineEndCase
{
    const char *name;
    QByteArray bytes;
    LineEnds expected;
};

class LineEndForm : public TextLoad, public ::testing::WithParamInterface<LineEndCase>
{
};

TEST_P(LineEndForm, RememberedForSaving)
{
    EXPECT_EQ(load(GetParam().bytes).form.lineEnds, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TextLoad, LineEndForm,
    ::testing::Values(LineEndCase { "lf_only", "a\nb\n", LineEnds::Lf },
        LineEndCase { "crlf", "a\r\nb", LineEnds::CrLf },
        LineEndCase { "mixed", "a\nb\r\n", LineEnds::CrLf },
        LineEndCase { "lone_cr_among_lf", "a\nb\rc\n", LineEnds::CrLf },
        LineEndCase { "no_break", "a", LineEnds::CrLf },
        LineEndCase { "doubled_cr_repaired", "a\r\r\nb\nc\n", LineEnds::CrLf },
        LineEndCase { "utf16_lf_only", QByteArray("\xFF\xFEx\0\n\0", 6), LineEnds::Lf },
        LineEndCase { "nul_path_lf_only", QByteArray("x\0\n", 3), LineEnds::Lf }),
    [](const auto &info) { return std::string(info.param.name); });

// Half a character at the end is kept aside, so saving gives it back.
TEST_F(TextLoad, OddLengthUtf16IsFlaggedAndKeepsItsLastByte)
{
    const LoadResult r = load(QByteArray("\xFF\xFE"
                                         "A\0B",
        5));
    EXPECT_TRUE(r.invalidBytes);
    EXPECT_EQ(r.text, QStringLiteral("A"));
    EXPECT_EQ(r.form.oddByte, "B");
    EXPECT_EQ(EncodeForSave(r.text, r.documentEncoding, *r.loadEncoding, r.form),
        QByteArray("\xFF\xFE"
                   "A\0B",
            5));
    // In another encoding half a character means nothing.
    EXPECT_EQ(EncodeForSave(r.text, Encoding::Utf8, *r.loadEncoding, r.form),
        "\xEF\xBB\xBF"
        "A");
}

TEST_F(TextLoad, UnopenableFilesFailBeforeTheEditorIsTouched)
{
    const QString missing = scratch.path(QStringLiteral("missing.txt"));
    const LoadResult m = loadPath(missing);
    EXPECT_FALSE(m.ok || m.fileOpened);
    EXPECT_TRUE(m.error.startsWith(openFailed(missing))) << qPrintable(m.error);
    EXPECT_EQ(loadPath(scratch.folder()).error,
        openFailed(scratch.folder()) + QStringLiteral("\nIt is a folder, not a file."));
    // A device would be read forever.
    EXPECT_EQ(loadPath(QStringLiteral("/dev/zero")).error,
        openFailed(QStringLiteral("/dev/zero"))
            + QStringLiteral("\nIt is a device or a pipe, not a regular file."));
    if (geteuid() != 0) { // permissions do not apply to root
        const QString secret = scratch.write(QStringLiteral("secret.txt"), "x");
        QFile::setPermissions(secret, QFileDevice::WriteOwner);
        EXPECT_TRUE(loadPath(secret).error.startsWith(openFailed(secret)));
    }
}

TEST_F(TextLoad, FileVanishingAfterDetectionFailsAsOpened)
{
    const LoadRequest request { scratch.write(QStringLiteral("gone.txt"), "text") };
    const Detection detection = DetectEncoding(request.path, true, location);
    QFile::remove(request.path);
    const LoadResult r = LoadDetectedFile(request, detection);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.fileOpened); // the caller empties the editor
    EXPECT_TRUE(r.error.startsWith(openFailed(request.path)));
}

TEST_F(TextLoad, HugeFileIsRefusedWithoutReadingIt)
{
    const QString path = scratch.path(QStringLiteral("huge.txt"));
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(600LL * 1024 * 1024)); // sparse
    huge.close();
    const LoadResult r = loadPath(path);
    EXPECT_FALSE(r.ok || r.fileOpened); // the previous document stays
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
    EXPECT_TRUE(r.error.contains(QStringLiteral("600 MB"))) << qPrintable(r.error);
    EXPECT_TRUE(r.error.contains(QStringLiteral("512 MB"))) << qPrintable(r.error);
}

// Below the size limit a file still has to fit in the free memory.
TEST_F(TextLoad, FileTooLargeForTheFreeMemoryIsRefusedWithTheNumbers)
{
    const QString path = scratch.write(QStringLiteral("big.txt"), QByteArray(3 << 20, 'x'));
    LoadRequest request { path };
    request.availableMemory = 10LL << 20;
    LoadResult r = LoadTextFile(request, location);
    EXPECT_FALSE(r.ok || r.fileOpened);
    EXPECT_TRUE(r.error.startsWith(openFailed(path)));
    for (const char *number : { "3 MB", "24 MB", "10 MB are free" })
        EXPECT_TRUE(r.error.contains(QLatin1String(number))) << qPrintable(r.error);

    request.availableMemory = 100LL << 20;
    EXPECT_TRUE(LoadTextFile(request, location).ok);
    // Unknown free memory refuses nothing.
    request.availableMemory.reset();
    EXPECT_TRUE(LoadTextFile(request, location).ok);
    EXPECT_TRUE(AvailableMemoryBytes().value_or(1) > 0);
}

// Regression: the repair turned each lone LF into CR LF, so a file under the
// limit gave a copy over it, written in full and then refused.
TEST_F(TextLoad, RepairedCopyOfAnLfFileStaysWithinTheLimit)
{
    QByteArray bytes("top\r\r\n");
    while (bytes.size() < 6000)
        bytes += "ab\n";
    const QString path = scratch.write(QStringLiteral("lf.nfo"), bytes);
    // The old copy held 7997 bytes.
    const LoadResult r = LoadTextFile({ path, Encoding::None, false, 7000 }, location);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_TRUE(r.repaired);
    EXPECT_TRUE(r.text.startsWith(QStringLiteral("top\r\nab\r\nab\r\n")));
}

TEST_F(TextLoad, FileOverTheLimitIsRefusedBeforeAnyCopyIsWritten)
{
    const QString path
        = scratch.write(QStringLiteral("big.nfo"), "a\r\r\n" + QByteArray(9000, 'x'));
    const LoadResult r = LoadTextFile({ path, Encoding::None, false, 8000 }, location);
    EXPECT_FALSE(r.ok || r.fileOpened);
    EXPECT_TRUE(QDir(copies.folder()).isEmpty());
}

// Regression: a name Qt could not decode was reported as a missing file.
TEST_F(TextLoad, UndecodableFileNameSaysSo)
{
    const QByteArray rawName = QFile::encodeName(scratch.folder()) + "/caf\xE9.nfo";
    const int fd = ::open(rawName.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QString decoded = QFile::decodeName(rawName);
    const LoadResult r = loadPath(decoded);
    EXPECT_FALSE(r.ok || r.fileOpened);
    EXPECT_TRUE(r.error.contains(QStringLiteral("not valid in the system's encoding")))
        << qPrintable(r.error);

    // A name Qt can hold opens, whatever its letters.
    const QString accented = scratch.write(QStringLiteral("caf\u00E9 \u2554.nfo"), "x");
    EXPECT_TRUE(loadPath(accented).ok);
}

} // namespace
