// merlos-solve: short solutions of cubes given as positions or as moves, one line each.
#include "Notation.h"
#include "Position.h"
#include "ShortSolve.h"
#include "Traductions.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

QString Tr(const char* text, int n = -1) { return QCoreApplication::translate("merlos-solve", text, nullptr, n); }

void Err(const QString& s)
{
    std::fputs(qUtf8Printable(s + QLatin1Char('\n')), stderr);
}

int Usage(const QString& why)
{
    if (!why.isEmpty())
        Err(QStringLiteral("merlos-solve: ") + why);
    Err(Tr(QT_TRANSLATE_NOOP("merlos-solve", "usage: merlos-solve [--max-moves N] [--time-limit MS] [--stats] [TEXT...]")));
    return 2;
}

struct Answer {
    bool ok = false;
    QString line, message;
};

Answer SolveText(const QString& text, const shortsolve::Options& options)
{
    Answer a;
    notation::Position position;
    if (notation::LooksLikePosition(text)) {
        const notation::PositionText read = notation::ReadPosition(text);
        if (!read) {
            a.message = read.faults.front().message;
            return a;
        }
        position = read.position;
    } else {
        const notation::Parsed parsed = notation::Parse(text);
        if (!parsed) {
            a.message = parsed.error->message;
            return a;
        }
        position = shortsolve::Played(notation::Position::Solved(), parsed.turns);
    }
    const auto held = shortsolve::Hold(position);
    if (!held) {
        a.message = notation::Check(position).front().message;
        return a;
    }
    const shortsolve::Result r = shortsolve::Solve(held->pieces, options);
    if (r.status != shortsolve::Result::Solved) {
        a.message = Tr(QT_TRANSLATE_N_NOOP("merlos-solve", "no solution of at most %n move(s) found in %1 ms"), options.maxMoves).arg(qRound64(r.seconds * 1000));
        return a;
    }
    a.ok = true;
    a.line = QString::fromStdString(shortsolve::Write(shortsolve::AsHeld(r.moves, *held)));
    return a;
}

template <typename T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? T{} : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merlos-solve"));
    ChargerTraductions();
    shortsolve::Options options;
    bool stats = false;
    QStringList texts;
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool options_done = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (options_done || !a.startsWith(QLatin1String("--"))) {
            texts << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            options_done = true;
            continue;
        }
        if (a == QLatin1String("--help")) {
            Usage({});
            return 0;
        }
        if (a == QLatin1String("--stats")) {
            stats = true;
            continue;
        }
        QString name = a, value;
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq > 0) {
            name = a.left(eq);
            value = a.mid(eq + 1);
        } else if (a == QLatin1String("--max-moves") || a == QLatin1String("--time-limit")) {
            if (i + 1 >= args.size())
                return Usage(Tr(QT_TRANSLATE_NOOP("merlos-solve", "%1 needs a number")).arg(a));
            value = args[++i];
        }
        bool ok = false;
        const int n = value.toInt(&ok);
        if (name == QLatin1String("--max-moves")) {
            if (!ok || n < 0 || n > 30)
                return Usage(Tr(QT_TRANSLATE_NOOP("merlos-solve", "--max-moves takes a number of moves from 0 to 30, not '%1'")).arg(value));
            options.maxMoves = n;
        } else if (name == QLatin1String("--time-limit")) {
            if (!ok || n < 0)
                return Usage(Tr(QT_TRANSLATE_NOOP("merlos-solve", "--time-limit takes a number of milliseconds, 0 or more, not '%1'")).arg(value));
            options.timeLimitMs = n;
        } else {
            return Usage(Tr(QT_TRANSLATE_NOOP("merlos-solve", "unknown option '%1'")).arg(a));
        }
    }

    // What the library says of its cache and of a long search, on standard error as it happens.
    shortsolve::OnCacheNote([](const shortsolve::CacheNote& n) {
        static const char* const says[] = {
            QT_TRANSLATE_NOOP("merlos-solve", "no folder for the tables' cache (%1); keeping them in memory only"),
            QT_TRANSLATE_NOOP("merlos-solve", "the tables' cache %1 was not used (%2); building the tables again"),
            QT_TRANSLATE_NOOP("merlos-solve", "cannot write the tables' cache %1 (%2); keeping them in memory only"),
            QT_TRANSLATE_NOOP("merlos-solve", "the tables from %1 failed a search (%2); building them again"),
        };
        const QString file = QString::fromStdString(n.file), reason = QString::fromStdString(n.reason);
        Err(QStringLiteral("merlos-solve: ") + (n.kind == shortsolve::CacheNote::NoCache ? Tr(says[n.kind]).arg(reason) : Tr(says[n.kind]).arg(file, reason)));
    });
    int lineNo = 0;
    options.progress = [&lineNo](const shortsolve::Progress& p) {
        Err(QStringLiteral("merlos-solve: ")
            + Tr(QT_TRANSLATE_NOOP("merlos-solve", "line %1: still searching for at most %2 moves, first phase of %3, %4 s"))
                  .arg(lineNo).arg(p.bound).arg(p.phase1).arg(qRound64(p.seconds)));
    };
    const shortsolve::TablesInfo info = shortsolve::PrepareTables();

    const bool fromInput = texts.isEmpty();
    QTextStream in(stdin);
    QTextStream out(stdout);
    int status = 0;
    std::vector<int> lengths;
    std::vector<double> times;
    for (int k = 0;; ++k) {
        QString text;
        if (fromInput) {
            if (!in.readLineInto(&text))
                break;
        } else if (k < texts.size()) {
            text = texts[k];
        } else {
            break;
        }
        ++lineNo;
        const auto start = std::chrono::steady_clock::now();
        const Answer a = SolveText(text, options);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        out << a.line << '\n';
        out.flush();
        if (a.ok) {
            lengths.push_back(a.line.isEmpty() ? 0 : int(a.line.count(QLatin1Char(' '))) + 1);
            times.push_back(ms);
        } else {
            Err(QStringLiteral("merlos-solve: ") + Tr(QT_TRANSLATE_NOOP("merlos-solve", "line %1: %2")).arg(lineNo).arg(a.message));
            status = 1;
        }
    }

    if (stats) {
        const auto [minL, maxL] = lengths.empty() ? std::pair{0, 0} : std::pair{*std::min_element(lengths.begin(), lengths.end()), *std::max_element(lengths.begin(), lengths.end())};
        const auto [minT, maxT] = times.empty() ? std::pair{0.0, 0.0} : std::pair{*std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end())};
        Err(Tr(QT_TRANSLATE_N_NOOP("merlos-solve", "solved %1 of %n"), lineNo).arg(lengths.size()));
        Err(Tr(QT_TRANSLATE_NOOP("merlos-solve", "moves: min %1, median %2, max %3")).arg(minL).arg(Median(lengths)).arg(maxL));
        Err(Tr(QT_TRANSLATE_NOOP("merlos-solve", "time per solve: min %1 ms, median %2 ms, max %3 ms"))
                .arg(minT, 0, 'f', 3).arg(Median(times), 0, 'f', 3).arg(maxT, 0, 'f', 3));
        const char* how = info.source == shortsolve::TablesInfo::Loaded ? QT_TRANSLATE_NOOP("merlos-solve", "loaded from %1")
                                                                        : QT_TRANSLATE_NOOP("merlos-solve", "built, for %1");
        Err(Tr(QT_TRANSLATE_NOOP("merlos-solve", "tables: %1 in %2 ms")).arg(Tr(how).arg(QString::fromStdString(info.file))).arg(info.seconds * 1000, 0, 'f', 1));
    }
    shortsolve::SaveBeforeExit();
    return status;
}
