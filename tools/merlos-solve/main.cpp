// merlos-solve: short solutions of cubes given as positions or as moves, one line each.
#include "LineReader.h"
#include "Notation.h"
#include "Output.h"
#include "Position.h"
#include "ShortSolve.h"
#include "Traductions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include <unistd.h>

namespace {

QString Tr(const char* text, int n = -1) { return QCoreApplication::translate("merlos-solve", text, nullptr, n); }

Output out(STDOUT_FILENO);
Output err(STDERR_FILENO);

// A message on standard error, after the program's name.
void Say(const QString& s) { err.Line(QStringLiteral("merlos-solve: ") + s); }

void SayOutputFailed() { Say(Tr(QT_TRANSLATE_NOOP("merlos-solve", "cannot write standard output: %1")).arg(out.Error())); }

// Help and version: the exit status says whether they reached standard output.
int Print(const QString& text)
{
    if (out.Write(text.toUtf8()))
        return 0;
    SayOutputFailed();
    return 1;
}

// --- the command line ------------------------------------------------------------------------------

struct Command {
    enum Kind { Solve, Help, Version, Usage };
    Kind kind = Solve;
    QString text; // Help: the help; Usage: what is wrong
    shortsolve::Options options;
    bool stats = false;
    QStringList inputs; // texts, and "-" for standard input
};

// A command that ends before any solving.
Command Stop(Command::Kind kind, const QString& text = {})
{
    Command c;
    c.kind = kind;
    c.text = text;
    return c;
}

QString UsageLine()
{
    return Tr(QT_TRANSLATE_NOOP("merlos-solve", "usage: merlos-solve [-h] [-V] [--max-moves N] [--time-limit MS] [--stats] [--] [TEXT | -]..."));
}

QString HelpText(const QCommandLineParser& parser)
{
    return parser.helpText() + QLatin1Char('\n')
           + Tr(QT_TRANSLATE_NOOP("merlos-solve",
                                  "Each answer is one line on standard output, empty for a solved cube or a text that could not be\n"
                                  "solved; standard error says why, naming the argument or the line of standard input.\n"
                                  "Exit status: 0 when every text was solved, 1 when one was not or reading or writing failed,\n"
                                  "2 for bad usage. See merlos-solve(1).\n"));
}

// An argument's number from `value`, or nothing when it is not one within [least, most].
std::optional<int> Number(const QString& value, int least, int most)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n >= least && n <= most ? std::optional<int>(n) : std::nullopt;
}

Command ReadCommandLine(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr(QT_TRANSLATE_NOOP("merlos-solve", "Solves 3×3×3 cubes in few moves: for each TEXT, writes one line of face turns that solve it.")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, Tr(QT_TRANSLATE_NOOP("merlos-solve", "Show this help and end.")));
    const QCommandLineOption version({QStringLiteral("V"), QStringLiteral("version")},
                                     Tr(QT_TRANSLATE_NOOP("merlos-solve", "Show the version and end.")));
    const QCommandLineOption maxMoves(QStringLiteral("max-moves"),
                                      Tr(QT_TRANSLATE_NOOP("merlos-solve", "The longest solution wanted, 0 to 30 (default 20: every cube has one).")),
                                      QStringLiteral("N"));
    const QCommandLineOption timeLimit(QStringLiteral("time-limit"),
                                       Tr(QT_TRANSLATE_NOOP("merlos-solve", "How long to go on looking for shorter solutions of each text, in milliseconds "
                                                                            "(default 100; 0 stops at the first).")),
                                       QStringLiteral("MS"));
    const QCommandLineOption stats(QStringLiteral("stats"),
                                   Tr(QT_TRANSLATE_NOOP("merlos-solve", "At the end, write to standard error how many were solved, their moves and "
                                                                        "times, and how the tables were made ready.")));
    parser.addOptions({help, version, maxMoves, timeLimit, stats});
    parser.addPositionalArgument(QStringLiteral("TEXT"),
                                 Tr(QT_TRANSLATE_NOOP("merlos-solve", "A cube: moves in cube notation, made from a solved cube, or a position of 54 "
                                                                      "letters. '-' reads standard input, one text a line, as no TEXT at all does. "
                                                                      "'--' ends the options: a TEXT after it may start with '-'.")),
                                 QStringLiteral("[TEXT | -]..."));

    Command c;
    if (!parser.parse(args))
        return Stop(Command::Usage, parser.errorText());
    if (parser.isSet(help))
        return Stop(Command::Help, HelpText(parser));
    if (parser.isSet(version))
        return Stop(Command::Version);
    if (parser.isSet(maxMoves)) {
        const auto n = Number(parser.value(maxMoves), 0, 30);
        if (!n)
            return Stop(Command::Usage, Tr(QT_TRANSLATE_NOOP("merlos-solve", "--max-moves takes a number of moves from 0 to 30, not '%1'")).arg(parser.value(maxMoves)));
        c.options.maxMoves = *n;
    }
    if (parser.isSet(timeLimit)) {
        const auto n = Number(parser.value(timeLimit), 0, std::numeric_limits<int>::max());
        if (!n)
            return Stop(Command::Usage,
                        Tr(QT_TRANSLATE_NOOP("merlos-solve", "--time-limit takes a number of milliseconds, 0 or more, not '%1'")).arg(parser.value(timeLimit)));
        c.options.timeLimitMs = *n;
    }
    c.stats = parser.isSet(stats);
    c.inputs = parser.positionalArguments();
    if (c.inputs.isEmpty())
        c.inputs << QStringLiteral("-");
    return c;
}

// The arguments as given. A byte that is not UTF-8 becomes a lone surrogate, which no UTF-8 text
// decodes to: the argument is then refused as a line of such bytes is, at that character.
QStringList Arguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        const std::string_view bytes(argv[i]);
        if (const auto bad = lines::FirstBadByte(bytes))
            args << lines::Decode(bytes.substr(0, bad->offset)) + QChar(char16_t(0xDC00 | uchar(bytes[bad->offset])))
                        + QString::fromUtf8(bytes.substr(bad->offset + 1));
        else
            args << lines::Decode(bytes);
    }
    return args;
}

// The column of the first lone surrogate that Arguments() put in for a byte that is not UTF-8.
std::optional<int> UndecodedColumn(QStringView text)
{
    int column = 1;
    for (qsizetype i = 0; i < text.size(); ++i, ++column) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return column;
    }
    return std::nullopt;
}

// --- solving ---------------------------------------------------------------------------------------

// Where the tables went, said once when that may surprise: the library says itself when there is
// no cache at all or it could not be written.
void SayWhereTablesAre(const shortsolve::TablesInfo& info)
{
    if (info.source != shortsolve::TablesInfo::MemoryOnly && qEnvironmentVariableIsEmpty("HOME")) {
        // Without a home the cache may not be where its user would look for it.
        Say(Tr(QT_TRANSLATE_NOOP("merlos-solve", "HOME is not set: the tables' cache is %1"))
                .arg(QFileInfo(QString::fromStdString(info.file)).absolutePath()));
    }
}

// What the library says of its cache as it happens, on standard error.
void SayCacheNotes()
{
    shortsolve::OnCacheNote([](const shortsolve::CacheNote& n) {
        static const char* const says[] = {
            QT_TRANSLATE_NOOP("merlos-solve", "no folder for the tables' cache (%1); keeping them in memory only"),
            QT_TRANSLATE_NOOP("merlos-solve", "the tables' cache %1 was not used (%2); building the tables again"),
            QT_TRANSLATE_NOOP("merlos-solve", "cannot write the tables' cache %1 (%2); keeping them in memory only"),
            QT_TRANSLATE_NOOP("merlos-solve", "the tables from %1 failed a search (%2); building them again"),
        };
        const QString file = QString::fromStdString(n.file), reason = QString::fromStdString(n.reason);
        Say(n.kind == shortsolve::CacheNote::NoCache ? Tr(says[n.kind]).arg(reason) : Tr(says[n.kind]).arg(file, reason));
    });
}

// The one call of the solver: its tables made ready on first use, then the search, timed.
shortsolve::Result Search(const notation::Pieces& pieces, const shortsolve::Options& options, std::optional<shortsolve::TablesInfo>& tables, double* ms)
{
    if (!tables) {
        tables = shortsolve::PrepareTables();
        SayWhereTablesAre(*tables);
    }
    const auto start = std::chrono::steady_clock::now();
    shortsolve::Result r = shortsolve::Solve(pieces, options);
    *ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return r;
}

struct Answer {
    bool ok = false;
    QString moves;
    int line = 0, column = 0; // where the text is wrong, from 1; 0 when it has no place
    QString reason;
    double ms = 0;            // the search's time
};

Answer Failure(const QString& reason, int column = 0, int line = 0) { return {false, QString(), line, column, reason, 0}; }

Answer SolveText(const QString& text, const shortsolve::Options& options, std::optional<shortsolve::TablesInfo>& tables)
{
    notation::Position position;
    if (notation::LooksLikePosition(text)) {
        const notation::PositionText read = notation::ReadPosition(text);
        if (!read)
            return Failure(read.faults.front().message);
        position = read.position;
    } else {
        const notation::Parsed parsed = notation::Parse(text);
        if (!parsed)
            return Failure(parsed.error->reason, parsed.error->column, parsed.error->line);
        position = notation::Played(notation::Position::Solved(), parsed.turns);
    }
    const auto held = shortsolve::Hold(position);
    if (!held)
        return Failure(notation::Check(position).front().message);
    double ms = 0;
    const shortsolve::Result r = Search(held->pieces, options, tables, &ms);
    if (r.status != shortsolve::Result::Solved)
        return Failure(Tr(QT_TRANSLATE_N_NOOP("merlos-solve", "no solution of at most %n move(s) found in %1 ms"), options.maxMoves)
                           .arg(QLocale().toString(qlonglong(ms))));
    return {true, QString::fromStdString(shortsolve::Write(shortsolve::AsHeld(r.moves, *held))), 0, 0, QString(), ms};
}

// --- one text after another ------------------------------------------------------------------------

// Which text of its input this is: the Kth argument, or the Kth line of standard input.
struct Place {
    bool argument = false;
    int number = 0;
};

// "line 3, column 5: ...", "argument 2: ...": each input named once.
QString Where(const Place& at, const Answer& a)
{
    if (!at.argument)
        return a.column > 0 ? Tr(QT_TRANSLATE_NOOP("merlos-solve", "line %1, column %2: %3")).arg(at.number).arg(a.column).arg(a.reason)
                            : Tr(QT_TRANSLATE_NOOP("merlos-solve", "line %1: %2")).arg(at.number).arg(a.reason);
    if (a.column > 0 && a.line > 1)
        return Tr(QT_TRANSLATE_NOOP("merlos-solve", "argument %1, line %2, column %3: %4")).arg(at.number).arg(a.line).arg(a.column).arg(a.reason);
    return a.column > 0 ? Tr(QT_TRANSLATE_NOOP("merlos-solve", "argument %1, column %2: %3")).arg(at.number).arg(a.column).arg(a.reason)
                        : Tr(QT_TRANSLATE_NOOP("merlos-solve", "argument %1: %2")).arg(at.number).arg(a.reason);
}

Answer Refused(const lines::Line& line)
{
    if (line.kind == lines::Line::Undecodable)
        return Failure(Tr(QT_TRANSLATE_NOOP("merlos-solve", "not valid UTF-8")), line.column);
    return Failure(Tr(QT_TRANSLATE_NOOP("merlos-solve", "longer than %1 bytes; not read")).arg(QLocale().toString(qlonglong(lines::DefaultLimit))));
}

template <typename T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? T{} : v[v.size() / 2];
}

class Run {
public:
    explicit Run(const Command& c) : m_Command(c), m_Options(c.options)
    {
        // A long search is never silent: how far it has got, every few seconds.
        m_Options.progress = [this](const shortsolve::Progress& p) {
            Say(Where(m_Ici, Failure(Tr(QT_TRANSLATE_NOOP("merlos-solve", "still searching for at most %1 moves, first phase of %2, %3 s"))
                                         .arg(QLocale().toString(p.bound), QLocale().toString(p.phase1),
                                              QLocale().toString(qRound64(p.seconds))))));
        };
    }

    // Answers every input in order; the exit status.
    int Answer();

private:
    // Answers one text; false when standard output failed.
    bool One(const Place& at, const ::Answer& a);
    void Stats() const;

    const Command& m_Command;
    shortsolve::Options m_Options;
    Place m_Ici;  // the text being answered
    std::optional<shortsolve::TablesInfo> m_Tables;
    lines::FileReader m_Input{STDIN_FILENO};
    int m_Texts = 0, m_Unsolved = 0;
    bool m_ReadFailed = false;
    std::vector<int> m_Lengths;
    std::vector<double> m_Times;
};

int Run::Answer()
{
    const auto solve = [this](const QString& text) { return SolveText(text, m_Options, m_Tables); };
    int argument = 0, line = 0;
    for (const QString& input : m_Command.inputs) {
        if (input != QLatin1String("-")) {
            m_Ici = {true, ++argument};
            const auto bad = UndecodedColumn(input);
            if (!One(m_Ici, bad ? Failure(Tr(QT_TRANSLATE_NOOP("merlos-solve", "not valid UTF-8")), *bad) : solve(input)))
                return 1;
            continue;
        }
        while (const std::optional<lines::Line> l = m_Input.Next()) {
            m_Ici = {false, ++line};
            if (!One(m_Ici, l->kind == lines::Line::Text ? solve(l->text) : Refused(*l)))
                return 1;
        }
        // Said once; the arguments after it are still answered.
        if (!m_Input.Error().isEmpty() && !m_ReadFailed) {
            Say(Tr(QT_TRANSLATE_NOOP("merlos-solve", "cannot read standard input: %1")).arg(m_Input.Error()));
            m_ReadFailed = true;
        }
    }
    if (m_Command.stats)
        Stats();
    return m_Unsolved > 0 || m_ReadFailed || err.Failed() ? 1 : 0;
}

bool Run::One(const Place& at, const ::Answer& a)
{
    ++m_Texts;
    if (!out.Line(a.moves)) {
        SayOutputFailed();
        return false;
    }
    if (a.ok) {
        m_Lengths.push_back(a.moves.isEmpty() ? 0 : int(a.moves.count(QLatin1Char(' '))) + 1);
        m_Times.push_back(a.ms);
    } else {
        Say(Where(at, a));
        ++m_Unsolved;
    }
    return true;
}

void Run::Stats() const
{
    const QLocale l;
    const auto [minL, maxL] = m_Lengths.empty() ? std::pair{0, 0} : std::pair{*std::min_element(m_Lengths.begin(), m_Lengths.end()), *std::max_element(m_Lengths.begin(), m_Lengths.end())};
    const auto [minT, maxT] = m_Times.empty() ? std::pair{0.0, 0.0} : std::pair{*std::min_element(m_Times.begin(), m_Times.end()), *std::max_element(m_Times.begin(), m_Times.end())};
    const auto ms = [&l](double t) { return l.toString(t, 'f', 3); };
    err.Line(Tr(QT_TRANSLATE_N_NOOP("merlos-solve", "solved %1 of %n"), m_Texts).arg(l.toString(qlonglong(m_Lengths.size()))));
    err.Line(Tr(QT_TRANSLATE_NOOP("merlos-solve", "moves: min %1, median %2, max %3")).arg(l.toString(minL), l.toString(Median(m_Lengths)), l.toString(maxL)));
    err.Line(Tr(QT_TRANSLATE_NOOP("merlos-solve", "time per solve: min %1 ms, median %2 ms, max %3 ms")).arg(ms(minT), ms(Median(m_Times)), ms(maxT)));
    if (!m_Tables)
        return;
    const char* how = m_Tables->source == shortsolve::TablesInfo::Loaded ? QT_TRANSLATE_NOOP("merlos-solve", "loaded from %1")
                                                                         : QT_TRANSLATE_NOOP("merlos-solve", "built, for %1");
    err.Line(Tr(QT_TRANSLATE_NOOP("merlos-solve", "tables: %1 in %2 ms")).arg(Tr(how).arg(QString::fromStdString(m_Tables->file)), l.toString(m_Tables->seconds * 1000, 'f', 1)));
}

} // namespace

int main(int argc, char** argv)
{
    // A closed pipe is a failed write, said and ended with status 1, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    // Usage and help name the program as it was called, without its folder.
    if (argc > 0)
        if (const char* slash = std::strrchr(argv[0], '/'); slash && slash[1])
            argv[0] = const_cast<char*>(slash + 1);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merlos-solve"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MERLOS_VERSION));
    ChargerTraductions();

    const Command c = ReadCommandLine(Arguments(argc, argv));
    switch (c.kind) {
    case Command::Help:
        return Print(c.text);
    case Command::Version:
        return Print(QStringLiteral("merlos-solve (Merlos) " MERLOS_VERSION "\n"));
    case Command::Usage:
        Say(c.text);
        err.Line(UsageLine());
        return 2;
    case Command::Solve:
        break;
    }
    SayCacheNotes();
    const int status = Run(c).Answer();
    // A build of the full tables this run started is finished and kept, or kept for the next run.
    shortsolve::SaveBeforeExit();
    return status;
}
