// Every input kept by the fuzzer of log inversion (its seed corpus and any crash it found), replayed
// on a real window. Whatever the text, inverting it makes at most one turn; that turn's own log line
// is a line of the program, and inverting that line turns the cube back.
#include "storm_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "log_support.h"
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

using namespace storm;

namespace {

const QString kFuzzDir = QStringLiteral(MERLO_SOURCE_DIR "/fuzz/inverser");

QFileInfoList Inputs(const QString& sub)
{
    return QDir(kFuzzDir + QLatin1Char('/') + sub).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The line that undoes a line the program writes, up to the face number of a whole-cube turn.
QString Opposite(const QString& line)
{
    const QStringList w = line.split(QLatin1Char(' '));
    if (line.startsWith(QLatin1String("En haut")))
        return QStringLiteral("En bas ");
    if (line.startsWith(QLatin1String("En bas")))
        return QStringLiteral("En haut ");
    if (line.startsWith(QLatin1String("A gauche")))
        return QStringLiteral("A droite ");
    if (line.startsWith(QLatin1String("A droite")))
        return QStringLiteral("A gauche ");
    static const QHash<QString, QString> sens = {{"Droite", "Gauche"}, {"Gauche", "Droite"}, {"Haut", "Bas"},
                                                 {"Bas", "Haut"}};
    return w.value(0) + QLatin1Char(' ') + w.value(1) + QLatin1Char(' ') + sens.value(w.value(2));
}

class InverserCorpus : public testing::Test {
protected:
    void SetUp() override { w = std::make_unique<Merlo>(); }

    // Inverts `text` and checks what must hold for any text. Returns the lines it added.
    QStringList Replay(const QByteArray& bytes, const std::string& name)
    {
        SCOPED_TRACE(name);
        const QString text = QString::fromUtf8(bytes);
        const CubeState before = ReadCube(*w);
        const int n = LogCount(*w);
        w->Session().InverserOrdre(text);
        const CubeState after = ReadCube(*w);
        EXPECT_EQ(Broken(after), "");
        const QStringList added = Log(*w).mid(n);
        EXPECT_LE(added.size(), 1);
        EXPECT_TRUE(CounterAgrees(*w));
        if (added.isEmpty()) {
            EXPECT_EQ(after, before) << "the cube turned without a log line";
        } else {
            EXPECT_TRUE(IsLogLine(added.first())) << added.first().toStdString();
            w->Session().InverserOrdre(added.first());
            EXPECT_EQ(LogCount(*w), n + 2);
            EXPECT_EQ(ReadCube(*w), before) << "inverting \"" << added.first().toStdString() << "\" did not turn back";
        }
        // Keep the log short; the cube goes on from wherever the inputs left it.
        if (LogCount(*w) > 500)
            w->Clear->click();
        return added;
    }

    std::unique_ptr<Merlo> w;
};

TEST_F(InverserCorpus, EveryKeptInputMakesAtMostOneTurnThatItsLineUndoes)
{
    const QFileInfoList corpus = Inputs(QStringLiteral("corpus"));
    ASSERT_GE(corpus.size(), 40) << "seed corpus missing under " << kFuzzDir.toStdString();
    for (const QFileInfo& f : corpus + Inputs(QStringLiteral("crashes"))) {
        QFile file(f.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.filePath().toStdString();
        Replay(file.readAll(), f.fileName().toStdString());
        if (HasFatalFailure())
            return;
    }
}

// The corpus names what it holds: lines the program writes are undone exactly; near misses
// ("miss_...") change nothing.
TEST_F(InverserCorpus, ProgramLinesAreUndoneAndNearMissesIgnored)
{
    int lines = 0, misses = 0;
    for (const QFileInfo& f : Inputs(QStringLiteral("corpus"))) {
        QFile file(f.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        const QStringList added = Replay(bytes, f.fileName().toStdString());
        if (f.fileName().startsWith(QLatin1String("miss_")) || f.fileName().startsWith(QLatin1String("invalid_"))) {
            ++misses;
            EXPECT_TRUE(added.isEmpty()) << f.fileName().toStdString() << " turned the cube";
        } else if (IsLogLine(text) && text != QLatin1String("*--------")) {
            for (const char* kind : {"trans_", "horiz_", "vert_", "cube_"})
                lines += f.fileName().startsWith(QLatin1String(kind));
            ASSERT_EQ(added.size(), 1) << f.fileName().toStdString();
            if (text.startsWith(QLatin1String("En ")) || text.startsWith(QLatin1String("A ")))
                EXPECT_TRUE(added.first().startsWith(Opposite(text))) << added.first().toStdString();
            else
                EXPECT_EQ(added.first(), Opposite(text));
        } else if (text == QLatin1String("*--------")) {
            EXPECT_TRUE(added.isEmpty());
        }
    }
    EXPECT_EQ(lines, 22) << "the 18 layer lines and the 4 whole-cube lines";
    EXPECT_GE(misses, 10);
}

} // namespace
