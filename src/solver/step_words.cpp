#include "solver/step_words.h"

#include "solver/logic_search.h"

#include <algorithm>
#include <cctype>

namespace logic {

namespace {

using Cells = std::vector<std::uint8_t>;

std::string Number(int number) {
    return std::to_string(number);
}

std::string UnitName(int unit) {
    const Unit named = UnitAt(unit);
    switch (named.kind) {
        case UnitKind::Row:
            return "rij " + Number(named.number);
        case UnitKind::Column:
            return "kolom " + Number(named.number);
        case UnitKind::Block:
            break;
    }
    return "blok " + Number(named.number);
}

// "rij 4, kolom 7".
std::string PlaceName(Cell cell) {
    return "rij " + Number(cell.row) + ", kolom " + Number(cell.column);
}

// "a", "a en b", "a, b en c"; with "of" in place of "en" if asked.
std::string Listed(const std::vector<std::string>& items, const char* last = " en ") {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? last : ", ";
        }
        text += items[i];
    }
    return text;
}

std::string CellsNamed(const Cells& cells, const char* last = " en ") {
    std::vector<std::string> names;
    for (const int cell : cells) {
        names.push_back(CellName(cell));
    }
    return Listed(names, last);
}

// The digits of the set from the smallest, each after `before`.
std::vector<std::string> DigitWords(DigitMask digits, const char* before) {
    std::vector<std::string> words;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & DigitBit(digit)) {
            words.push_back(before + Number(digit));
        }
    }
    return words;
}

// "de 5", "de 3 en de 8".
std::string DigitsNamed(DigitMask digits) {
    return Listed(DigitWords(digits, "de "));
}

// "een 3 of 8": what a cell of a few candidates can be.
std::string CanBe(DigitMask digits) {
    return "een " + Listed(DigitWords(digits, ""), " of ");
}

const char* CountWord(std::size_t count) {
    constexpr const char* words[] = {"", "een", "twee", "drie", "vier"};
    return count < std::size(words) ? words[count] : "";
}

// "Streep dus weg: de 6 en de 7 in r2k3; de 9 in r5k3."
std::string Strikes(const std::vector<Strike>& struck) {
    std::vector<std::pair<DigitMask, Cells>> groups;
    for (const Strike& strike : struck) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == strike.digits; });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), {strike.digits, {}});
        }
        group->second.push_back(static_cast<std::uint8_t>(CellIndex(strike.cell)));
    }
    std::string text;
    for (const auto& [digits, cells] : groups) {
        text += (text.empty() ? "" : "; ") + DigitsNamed(digits) + " in " + CellsNamed(cells);
    }
    return " Streep dus weg: " + text + ".";
}

// The names of the units of a kind, "de rijen 2 en 7", from a list of units.
std::string LinesNamed(const Cells& units) {
    std::vector<std::string> numbers;
    for (const int unit : units) {
        numbers.push_back(Number(UnitAt(unit).number));
    }
    const bool rows = UnitAt(units.front()).kind == UnitKind::Row;
    return (rows ? "de rijen " : "de kolommen ") + Listed(numbers);
}

// What two cells that see each other share: "zelfde rij".
std::string SameUnit(int a, int b) {
    if (BlockOf(a) == BlockOf(b)) {
        return "zelfde blok";
    }
    return RowOf(a) == RowOf(b) ? "zelfde rij" : "zelfde kolom";
}

std::string BoxLine(const Elimination& e) {
    const int digit = LowestDigit(e.digits);
    return "in " + UnitName(e.units[0]) + " kan de " + Number(digit) + " alleen in " +
           UnitName(e.units[1]) + " staan (" + CellsNamed(e.cells, " of ") +
           "), dus nergens anders in " + UnitName(e.units[1]) + ".";
}

std::string NakedSubset(const Elimination& e) {
    const std::string count = CountWord(e.cells.size());
    return "in " + UnitName(e.units[0]) + " passen in de vakjes " + CellsNamed(e.cells) +
           " samen alleen " + DigitsNamed(e.digits) + ". Die " + count +
           " cijfers staan dus in die " + count + " vakjes, en nergens anders in " +
           UnitName(e.units[0]) + ".";
}

std::string HiddenSubset(const Elimination& e) {
    const std::string count = CountWord(e.cells.size());
    return "in " + UnitName(e.units[0]) + " kunnen " + DigitsNamed(e.digits) +
           " alleen in de vakjes " + CellsNamed(e.cells) + " staan. Die " + count +
           " vakjes krijgen dus die " + count + " cijfers, en niets anders.";
}

std::string Fish(const Elimination& e) {
    const std::size_t size = e.units.size() / 2;
    const Cells base(e.units.begin(), e.units.begin() + static_cast<long>(size));
    const Cells cover(e.units.begin() + static_cast<long>(size), e.units.end());
    const std::string digit = DigitsNamed(e.digits);
    const bool rows = UnitAt(base.front()).kind == UnitKind::Row;
    const std::string count = CountWord(size);
    return "in " + LinesNamed(base) + " kan " + digit + " alleen in " + LinesNamed(cover) +
           " staan (" + CellsNamed(e.cells) + "). Elk van die " + count +
           (rows ? " rijen" : " kolommen") + " krijgt " + digit + " in een van die " + count +
           (rows ? " kolommen" : " rijen") + ", dus in " + LinesNamed(cover) + " staat " + digit +
           " alleen in " + LinesNamed(base) + ".";
}

// "r5k1 kan alleen een 2 of 4 zijn, r5k5 een 2 of 7 en r2k5 een 7 of 4."
std::string CellsCanBe(const Elimination& e, const Cells& cells) {
    std::vector<std::string> items;
    for (const int cell : cells) {
        const auto limit = std::find_if(e.cellLimits.begin(), e.cellLimits.end(),
                                        [cell](const CellLimit& l) { return l.cell == cell; });
        items.push_back(CellName(cell) + (items.empty() ? " kan alleen " : " ") +
                        CanBe(limit->digits) + (items.empty() ? " zijn" : ""));
    }
    return Listed(items) + ".";
}

// "Is r5k1 geen 4, dan is het een 2, dus r5k5 geen 2 maar een 7, ..., dus r2k5 geen 7 maar een
// 4." along a chain of cells of two candidates, each linked to the next by a digit.
std::string PairChain(const Elimination& e) {
    const int end = LowestDigit(e.struck);
    std::string text = " Is " + CellName(e.links.front().from) + " geen " + Number(end) +
                       ", dan is het een " + Number(e.links.front().digit);
    for (const Link& link : e.links) {
        const auto limit = std::find_if(e.cellLimits.begin(), e.cellLimits.end(),
                                        [&](const CellLimit& l) { return l.cell == link.to; });
        const int next = LowestDigit(limit->digits & ~DigitBit(link.digit));
        text += ", dus " + CellName(link.to) + " geen " + Number(link.digit) + " maar een " +
                Number(next);
    }
    return text + ".";
}

// "Een van r5k1 en r2k5 is dus een 4.", of the ends of a chain.
std::string OneOfTheEnds(const Elimination& e) {
    return " Een van " + CellName(e.links.front().from) + " en " + CellName(e.links.back().to) +
           " is dus een " + Number(LowestDigit(e.struck)) + ".";
}

std::string XYWing(const Elimination& e) {
    // The chain runs from one pincer through the pivot to the other.
    return CellsCanBe(e, {e.cells[1], e.cells[0], e.cells[2]}) + PairChain(e) + OneOfTheEnds(e);
}

std::string XYZWing(const Elimination& e) {
    const std::string z = Number(LowestDigit(e.struck));
    std::string text = CellsCanBe(e, e.cells) + " Is " + CellName(e.cells[0]) + " de " + z +
                       ", dan is dat de " + z;
    for (const int k : {1, 2}) {
        const int other = LowestDigit(e.cellLimits[k].digits & ~e.struck);
        text += "; is het een " + Number(other) + ", dan is " + CellName(e.cells[k]) + " een " + z;
    }
    return text + ". Een van de drie is dus een " + z + ".";
}

std::string UniqueRectangle(const Elimination& e) {
    const Cells three(e.cells.begin(), e.cells.begin() + 3);
    const std::string fourth = CellName(e.cells[3]);
    return CellsNamed(three) + " kunnen alleen " + CanBe(e.digits) + " zijn. Kon " + fourth +
           " dat ook alleen, dan konden " + DigitsNamed(e.digits) +
           " in deze vier vakjes (twee rijen, twee kolommen, twee blokken) van plaats ruilen en "
           "had de puzzel twee oplossingen. De puzzel heeft er maar \u00e9\u00e9n, dus " +
           fourth + " wordt geen " + Listed(DigitWords(e.digits, ""), " of ") + ".";
}

std::string WWing(const Elimination& e) {
    const std::string link = Number(e.links.front().digit);
    const std::string other = Number(LowestDigit(e.struck));
    return CellName(e.cells[0]) + " en " + CellName(e.cells[3]) + " kunnen alleen " +
           CanBe(e.digits) + " zijn, en in " + UnitName(e.units[0]) + " kan de " + link +
           " alleen in " + CellName(e.cells[1]) + " of " + CellName(e.cells[2]) + ". Is " +
           CellName(e.cells[0]) + " geen " + other + ", dan is het een " + link + ", dus " +
           CellName(e.cells[1]) + " geen " + link + ", dus " + CellName(e.cells[2]) + " wel, dus " +
           CellName(e.cells[3]) + " geen " + link + " maar een " + other + "." + OneOfTheEnds(e);
}

// The strong links of a chain of one digit, then the chain followed from its first end.
std::string DigitChain(const Elimination& e) {
    const std::string digit = DigitsNamed(e.digits);
    std::vector<std::string> links;
    for (std::size_t i = 0; i < e.units.size(); ++i) {
        links.push_back("in " + UnitName(e.units[i]) + (i == 0 ? " kan " + digit : "") +
                        " alleen in " + CellName(e.cells[2 * i]) + " of " +
                        CellName(e.cells[2 * i + 1]));
    }
    std::string text = Listed(links) + ". Is " + CellName(e.cells.front()) + " geen " +
                       Number(LowestDigit(e.digits)) + ", dan is " + CellName(e.cells[1]) +
                       " het wel";
    for (std::size_t i = 2; i < e.cells.size(); i += 2) {
        text += ", dus " + CellName(e.cells[i]) + " niet (" + SameUnit(e.cells[i - 1], e.cells[i]) +
                "), dus " + CellName(e.cells[i + 1]) + " wel";
    }
    return text + "." + OneOfTheEnds(e);
}

// "groep A (r1k1 en r3k5) en groep B (r1k5 en r4k4)".
std::string Groups(const Elimination& e) {
    const auto split = e.cells.begin() + e.firstColour;
    return "Zo vallen de vakjes in twee groepen, groep A (" +
           CellsNamed(Cells(e.cells.begin(), split)) + ") en groep B (" +
           CellsNamed(Cells(split, e.cells.end())) +
           "), die elkaar afwisselen: een van beide krijgt overal " + DigitsNamed(e.digits) + ".";
}

std::string Colouring(const Elimination& e) {
    const std::string digit = DigitsNamed(e.digits);
    std::string text = "waar " + digit +
                       " in een rij, kolom of blok maar twee plaatsen heeft, krijgt de ene " +
                       digit + " en de andere niet. " + Groups(e);
    if (e.technique == Technique::ColourTrap) {
        return text + " Wat een vakje uit elke groep ziet, krijgt " + digit + " dus niet.";
    }
    const Cells a(e.cells.begin(), e.cells.begin() + e.firstColour);
    for (const int one : a) {
        for (const int two : a) {
            if (one < two && ArePeers(one, two)) {
                return text + " " + CellName(one) + " en " + CellName(two) +
                       " uit groep A zien elkaar en kunnen niet allebei " + digit +
                       " krijgen, dus groep A krijgt " + digit + " nergens.";
            }
        }
    }
    return text;
}

std::string Pattern(const Elimination& e) {
    switch (e.technique) {
        case Technique::BoxLine:
            return BoxLine(e);
        case Technique::NakedPair:
        case Technique::NakedTriple:
        case Technique::NakedQuad:
            return NakedSubset(e);
        case Technique::HiddenPair:
        case Technique::HiddenTriple:
        case Technique::HiddenQuad:
            return HiddenSubset(e);
        case Technique::XWing:
        case Technique::Swordfish:
        case Technique::Jellyfish:
            return Fish(e);
        case Technique::XYWing:
            return XYWing(e);
        case Technique::XYZWing:
            return XYZWing(e);
        case Technique::UniqueRectangle:
            return UniqueRectangle(e);
        case Technique::WWing:
            return WWing(e);
        case Technique::Skyscraper:
        case Technique::TwoStringKite:
        case Technique::XChain:
            return DigitChain(e);
        case Technique::ColourWrap:
        case Technique::ColourTrap:
            return Colouring(e);
        case Technique::XYChain:
            return CellsCanBe(e, e.cells) + PairChain(e) + OneOfTheEnds(e);
        case Technique::NakedSingle:
        case Technique::HiddenSingle:
            break;
    }
    return {};
}

// "Naakt paar: " before the rest of the sentence.
std::string Titled(Technique technique, const std::string& text) {
    std::string name = InfoOf(technique).name;
    name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
    return name + ": " + text;
}

Cells IndicesOf(const std::vector<Strike>& strikes) {
    Cells cells;
    for (const Strike& strike : strikes) {
        cells.push_back(static_cast<std::uint8_t>(CellIndex(strike.cell)));
    }
    return cells;
}

DigitMask DigitsOf(const std::vector<Strike>& strikes) {
    DigitMask digits = 0;
    for (const Strike& strike : strikes) {
        digits |= strike.digits;
    }
    return digits;
}

// "de 2 en de 9 zijn net weggestreept".
std::string StruckDigits(const std::vector<Strike>& strikes, const char* when) {
    const DigitMask digits = DigitsOf(strikes);
    return DigitsNamed(digits) + (DigitCount(digits) == 1 ? " is " : " zijn ") + when +
           " weggestreept";
}

// "in r8k2 en r9k3 is de 6 net weggestreept".
std::string StruckPlaces(const std::vector<Strike>& strikes, int digit, const char* when) {
    return "in " + CellsNamed(IndicesOf(strikes)) + " is de " + Number(digit) + " " + when +
           " weggestreept";
}

}  // namespace

std::string CellName(int cell) {
    return "r" + Number(RowOf(cell) + 1) + "k" + Number(ColumnOf(cell) + 1);
}

std::string Describe(const EliminationStep& step) {
    return Titled(step.pattern.technique, Pattern(step.pattern)) + Strikes(step.struck);
}

std::string Describe(const PlacementStep& step) {
    const bool struck = !step.struckHere.empty() || !step.struckBefore.empty();
    const std::string now = struck ? " nu" : "";
    std::vector<std::string> reasons;
    if (!step.struckHere.empty()) {
        reasons.push_back(step.technique == Technique::NakedSingle
                              ? StruckDigits(step.struckHere, "net")
                              : StruckPlaces(step.struckHere, step.digit, "net"));
    }
    if (!step.struckBefore.empty()) {
        reasons.push_back(step.technique == Technique::NakedSingle
                              ? StruckDigits(step.struckBefore, "eerder")
                              : StruckPlaces(step.struckBefore, step.digit, "eerder"));
    }
    if (step.technique == Technique::NakedSingle || !step.unit) {
        if (!step.deciding.empty()) {
            reasons.push_back(struck ? "de andere cijfers staan al in die rij, kolom of dat blok"
                                     : "de rest staat al in die rij, kolom of dat blok");
        }
        return "In " + PlaceName(step.cell) + " past" + now + " alleen nog de " +
               Number(step.digit) + ": " + Listed(reasons) + ".";
    }
    const Unit unit = *step.unit;
    const std::string where = unit.kind == UnitKind::Row      ? "kolom " + Number(step.cell.column)
                              : unit.kind == UnitKind::Column ? "rij " + Number(step.cell.row)
                                                              : PlaceName(step.cell);
    std::string text = "In " + UnitName(UnitIndex(unit)) + " kan de " + Number(step.digit) + now +
                       " alleen nog in " + where;
    if (!struck) {
        return text + ".";
    }
    if (!step.deciding.empty()) {
        reasons.push_back("de andere vakjes zien al een " + Number(step.digit));
    }
    return text + ": " + Listed(reasons) + ".";
}

std::string DescribeClash(const Digits& grid) {
    for (const int unit : search::UnitOrder) {
        DigitMask seen = 0;
        for (const int cell : CellsOf(unit)) {
            const int digit = grid[cell];
            if (digit != 0 && (seen & DigitBit(digit)) != 0) {
                return "de " + Number(digit) + " staat meer dan eens in " + UnitName(unit);
            }
            seen |= digit != 0 ? DigitBit(digit) : 0;
        }
    }
    return {};
}

std::string Describe(StepOutcome outcome) {
    if (outcome == StepOutcome::BoardFull) {
        return "Alle vakjes zijn ingevuld.";
    }
    return "Hier houdt het redeneren op: de volgende stap vraagt een gok.";
}

}  // namespace logic
