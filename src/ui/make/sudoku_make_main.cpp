// sudoku-make: new puzzles by the thousand, with the generator and the ladder of the game, as
// lines of text or as a booklet to print.
#include "core/givens.h"
#include "core/puzzle_batch.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "solver/logic_techniques.h"
#include "ui/dialogs/booklet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr const char* Help =
    "Usage: sudoku-make [--count N] [--level 2..8] [--no-symmetry] [--seed S] [--solutions]\n"
    "                   [--pdf FILE [--per-page 1|2|4|6]]\n"
    "Make new Sudoku puzzles with the game's own generator: each has exactly one\n"
    "solution and needs the techniques of its level, as the game's puzzles do.\n"
    "\n"
    "Without --pdf, each puzzle is one line on standard output: the 81 cells row by\n"
    "row from the top left ('.' for an empty cell), a tab, the level's name, a tab\n"
    "and the hardest technique the puzzle needs (both in Dutch).\n"
    "\n"
    "Options:\n"
    "  --count N       how many puzzles (1 to 100000; 1 if not given)\n"
    "  --level L       the game's difficulty 2 to 8 (5 if not given):\n"
    "                  2 zeer makkelijk, 3 makkelijk, 4 gemiddeld (singles),\n"
    "                  5 moeilijk (box/line), 6 zeer moeilijk (pairs and triples),\n"
    "                  7 uiterst moeilijk (quads and fish), 8 buitengewoon moeilijk\n"
    "                  (wings, chains, colouring, unique rectangle)\n"
    "  --no-symmetry   givens anywhere, not symmetric under a half turn\n"
    "  --seed S        a whole number 0 to 18446744073709551615: the same seed gives\n"
    "                  the same puzzles on any machine; without it a seed is drawn\n"
    "  --solutions     add each puzzle's solution as a further tab-separated field\n"
    "  --pdf FILE      write a booklet to FILE instead: A4 pages with the puzzles,\n"
    "                  then their solutions, smaller\n"
    "  --per-page K    puzzles to a page of the booklet: 1, 2, 4 or 6 (4 if not given)\n"
    "  --threads T     make the puzzles on T threads (1 to 64; as many as the\n"
    "                  processor has cores if not given): the puzzles are the same\n"
    "                  whatever the number\n"
    "  -h, --help      show this help and exit\n"
    "\n"
    "Exit status: 0 when the puzzles were written, 2 for a wrong argument or when\n"
    "the output could not be written.\n";

struct Arguments {
    PuzzleBatch batch;
    bool solutions = false;
    QString pdf;
    int perPage = 4;
    // Both cores, or as many as there are.
    int threads = CoreCount();
};

// One line on standard error, and the exit status that goes with it.
int Tell(const std::string& why) {
    std::fprintf(stderr, "sudoku-make: %s\n", why.c_str());
    return 2;
}

[[noreturn]] void Fail(const std::string& why) {
    std::exit(Tell(why));
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void Reject(std::string_view option, std::string_view text, std::string_view must) {
    Fail(std::string(option) + " must be " + std::string(must) + ", not '" + std::string(text) +
         "'");
}

int NumberIn(std::string_view option, std::string_view text, int lowest, int highest,
             std::string_view must) {
    const std::optional<int> number = NumberOf<int>(text);
    if (!number || *number < lowest || *number > highest) {
        Reject(option, text, must);
    }
    return *number;
}

Arguments Parse(int argc, char** argv) {
    Arguments arguments;
    std::optional<std::uint64_t> seed;
    bool perPageGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) {
                Fail(std::string(option) + " needs a value");
            }
            return argv[++i];
        };
        if (option == "-h" || option == "--help") {
            std::fputs(Help, stdout);
            std::exit(0);
        } else if (option == "--count") {
            arguments.batch.count =
                NumberIn(option, value(), 1, 100000, "a whole number from 1 to 100000");
        } else if (option == "--level") {
            arguments.batch.difficulty =
                NumberIn(option, value(), MinDifficulty, MaxDifficulty, "2, 3, 4, 5, 6, 7 or 8");
        } else if (option == "--no-symmetry") {
            arguments.batch.symmetric = false;
        } else if (option == "--seed") {
            const std::string_view text = value();
            seed = NumberOf<std::uint64_t>(text);
            if (!seed) {
                Reject(option, text, "a whole number from 0 to 18446744073709551615");
            }
        } else if (option == "--threads") {
            arguments.threads = NumberIn(option, value(), 1, 64, "a whole number from 1 to 64");
        } else if (option == "--solutions") {
            arguments.solutions = true;
        } else if (option == "--pdf") {
            arguments.pdf = QString::fromLocal8Bit(value().data());
            if (arguments.pdf.isEmpty()) {
                Fail("--pdf needs a file name");
            }
        } else if (option == "--per-page") {
            const std::string_view text = value();
            const std::optional<int> perPage = NumberOf<int>(text);
            if (!perPage || std::find(std::begin(BookletLayouts), std::end(BookletLayouts),
                                      *perPage) == std::end(BookletLayouts)) {
                Reject(option, text, "1, 2, 4 or 6");
            }
            arguments.perPage = *perPage;
            perPageGiven = true;
        } else {
            Fail("unknown argument '" + std::string(option) + "' (see sudoku-make --help)");
        }
    }
    if (perPageGiven && arguments.pdf.isEmpty()) {
        Fail("--per-page belongs with --pdf");
    }
    arguments.batch.seed =
        seed ? *seed : (std::uint64_t(std::random_device()()) << 32) ^ std::random_device()();
    return arguments;
}

std::string CellsOf(const Grid& grid, const CellSet* shown) {
    std::string cells;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            cells += !shown || (*shown)[CellBit(c, r)] ? char('0' + grid(c, r)) : '.';
        }
    }
    return cells;
}

void WriteLines(const Arguments& arguments, const std::vector<MadePuzzle>& puzzles) {
    for (const MadePuzzle& puzzle : puzzles) {
        std::string line =
            CellsOf(puzzle.solution, &puzzle.givens.cells) + '\t' +
            LevelText(puzzle.givens).toStdString() + '\t' +
            (puzzle.givens.hardest ? logic::InfoOf(*puzzle.givens.hardest).name : "-");
        if (arguments.solutions) {
            line += '\t' + CellsOf(puzzle.solution, nullptr);
        }
        line += '\n';
        std::fputs(line.c_str(), stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Fail(std::string("the puzzles could not be written: ") + std::strerror(errno));
    }
}

// The booklet is drawn into a file beside the one asked for, checked whole, and only then put in
// its place: nothing half-written is ever left behind. Empty, or why it could not be written.
std::string WritePdf(const Arguments& arguments, const std::vector<MadePuzzle>& puzzles) {
    const QString target = QFileInfo(arguments.pdf).absoluteFilePath();
    const std::string name = arguments.pdf.toStdString();
    QTemporaryFile draft(target + QStringLiteral(".XXXXXX"));
    if (!draft.open()) {
        return "cannot write in the folder of " + name + ": " + draft.errorString().toStdString();
    }
    draft.close();
    Printer printer;
    printer.SetPdfFile(draft.fileName());
    PrintBooklet(printer, puzzles, arguments.perPage);
    QFile drawn(draft.fileName());
    const QByteArray bytes =
        printer.EndDoc() && drawn.open(QIODevice::ReadOnly) ? drawn.readAll() : QByteArray();
    if (!bytes.trimmed().endsWith("%%EOF")) {
        return name + " could not be written whole: the disk is full, or the file would be " +
               "larger than the system allows";
    }
    const FileResult written = WriteFileAtomically(target, bytes);
    return written ? std::string()
                   : name + " could not be written: " + written.failure.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = Parse(argc, argv);
    if (arguments.pdf.isEmpty()) {
        WriteLines(arguments, MakePuzzles(arguments.batch, arguments.threads));
        return 0;
    }
    // What Qt says of its own setting up is not for the user of a command: only the program's
    // own lines go to standard error.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The booklet needs fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const std::string failure =
        WritePdf(arguments, MakePuzzles(arguments.batch, arguments.threads));
    // Returned, not exited: the application ends in order, and with it its fonts.
    return failure.empty() ? 0 : Tell(failure);
}
