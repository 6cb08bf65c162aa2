#include "solver/logic_techniques.h"

#include "solver/logic_search.h"

namespace logic {

using namespace search;

namespace {

// The cell of the unit that has the digit among its candidates (the first one, if several).
int CellWithCandidate(const CandidateGrid& grid, int unit, int digit) {
    for (const int cell : CellsOf(unit)) {
        if (grid.Candidates(cell) & DigitBit(digit)) {
            return cell;
        }
    }
    return -1;
}

// The candidates of the three cells where a line crosses each block, for all lines of a kind:
// of[line][k] for the k-th block that the line crosses, from the left or from the top.
struct Segments {
    std::array<std::array<DigitMask, 3>, 9> of{};

    Segments(const CandidateGrid& grid, UnitKind kind) {
        for (int line = 0; line < 9; ++line) {
            for (int i = 0; i < 9; ++i) {
                const int cell = kind == UnitKind::Row ? 9 * line + i : 9 * i + line;
                of[line][i / 3] |= grid.Candidates(cell);
            }
        }
    }
};

Elimination BoxLineElimination(const CandidateGrid& grid, int unit, int targetUnit, int digit) {
    Elimination e{Technique::BoxLine, DigitBit(digit), DigitBit(digit)};
    e.units = {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(targetUnit)};
    for (const int cell : CellsOf(unit)) {
        if (InUnit(cell, targetUnit) && (grid.Candidates(cell) & e.digits)) {
            e.cells.push_back(static_cast<std::uint8_t>(cell));
        }
    }
    for (const int cell : CellsOf(targetUnit)) {
        if (!InUnit(cell, unit) && (grid.Candidates(cell) & e.digits)) {
            e.targets.Add(cell);
        }
    }
    e.unitLimits = {{static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(digit)}};
    return e;
}

bool ForEachBoxLineAlong(const CandidateGrid& grid, UnitKind kind,
                         const Visitor<Elimination>& visit) {
    const Segments segments(grid, kind);
    for (int line = 0; line < 9; ++line) {
        const int band = line / 3 * 3;
        const auto& along = segments.of[line];
        for (int k = 0; k < 3; ++k) {
            const DigitMask crossing = along[k];
            const DigitMask restOfLine = along[(k + 1) % 3] | along[(k + 2) % 3];
            const DigitMask restOfBlock =
                segments.of[band + (line + 1) % 3][k] | segments.of[band + (line + 2) % 3][k];
            const int lineUnit = kind == UnitKind::Row ? line : 9 + line;
            const int blockUnit = 18 + (kind == UnitKind::Row ? band + k : 3 * k + line / 3);
            // In the block the digit can only go where the line crosses it: the rest of the
            // line loses it (pointing). The other way round it is claiming.
            const bool goOn =
                ForEachDigit(crossing & ~restOfBlock & restOfLine,
                             [&](int digit) {
                                 return visit(BoxLineElimination(grid, blockUnit, lineUnit, digit));
                             }) &&
                ForEachDigit(crossing & ~restOfLine & restOfBlock, [&](int digit) {
                    return visit(BoxLineElimination(grid, lineUnit, blockUnit, digit));
                });
            if (!goOn) {
                return false;
            }
        }
    }
    return true;
}

// Looks in one unit for `size` cells whose candidates, together, are `size` digits that other
// cells of the unit still have. False once the visit ended the search.
bool NakedSubsetsIn(const CandidateGrid& grid, int unit, int size,
                    const Visitor<Elimination>& visit) {
    Options options;  // empty cells with 2..size candidates
    for (const int cell : CellsOf(unit)) {
        const int count = DigitCount(grid.Candidates(cell));
        if (count >= 2 && count <= size) {
            options.Add(cell, grid.Candidates(cell));
        }
    }
    return ForEachSmallUnion(options, size, [&](auto cells, DigitMask digits) {
        // Fewer digits than cells happens only in a grid without solution.
        if (DigitCount(digits) < size) {
            return true;
        }
        Elimination e{NakedSubsetOf(size), digits, digits};
        CellSet others;
        for (const int cell : CellsOf(unit)) {
            others.Add(cell);
        }
        for (const int cell : cells) {
            others.Remove(cell);
        }
        if (!TakeTargets(grid, e, others)) {
            return true;
        }
        e.cells.assign(cells.begin(), cells.end());
        e.units = {static_cast<std::uint8_t>(unit)};
        for (const int cell : cells) {
            e.cellLimits.push_back({static_cast<std::uint8_t>(cell), digits});
        }
        return visit(e);
    });
}

// Looks in one unit for `size` digits whose places, together, are `size` cells that hold other
// candidates as well.
bool HiddenSubsetsIn(const CandidateGrid& grid, const Places& places, int unit, int size,
                     const Visitor<Elimination>& visit) {
    Options options;  // digits with 2..size places
    for (int digit = 1; digit <= 9; ++digit) {
        const int count = PlaceCount(places.Of(unit, digit));
        if (count >= 2 && count <= size) {
            options.Add(digit, places.Of(unit, digit));
        }
    }
    return ForEachSmallUnion(options, size, [&](auto digits, PlaceMask at) {
        if (PlaceCount(at) < size) {
            return true;
        }
        DigitMask subset = 0;
        for (const int digit : digits) {
            subset |= DigitBit(digit);
        }
        Elimination e{HiddenSubsetOf(size), subset, static_cast<DigitMask>(AllDigits & ~subset)};
        e.cells = CellsAt(unit, at);
        CellSet cells;
        for (const int cell : e.cells) {
            cells.Add(cell);
        }
        if (!TakeTargets(grid, e, cells)) {
            return true;
        }
        e.units = {static_cast<std::uint8_t>(unit)};
        for (const int digit : digits) {
            e.unitLimits.push_back(
                {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(digit)});
        }
        return visit(e);
    });
}

constexpr std::array<TechniqueInfo, TechniqueCount> TheLadder{{
    {Technique::NakedSingle, 4, "enige kandidaat",
     "In een vakje past nog maar \u00e9\u00e9n cijfer: de andere acht staan al in zijn rij, "
     "kolom of blok.",
     false, ForEachNakedSingle, nullptr},
    {Technique::HiddenSingle, 4, "enige plaats",
     "Een cijfer kan in een rij, kolom of blok nog maar in \u00e9\u00e9n vakje staan.", false,
     ForEachHiddenSingle, nullptr},
    {Technique::BoxLine, 5, "blok-lijnreductie",
     "Kan een cijfer in een blok alleen in \u00e9\u00e9n rij of kolom staan, dan niet elders "
     "in die rij of kolom; en kan het in een rij of kolom alleen in \u00e9\u00e9n blok staan, "
     "dan niet elders in dat blok.",
     false, nullptr, ForEachBoxLine},
    {Technique::NakedPair, 6, "naakt paar",
     "In twee vakjes van een rij, kolom of blok passen samen maar twee cijfers: die cijfers "
     "kunnen nergens anders in die rij, kolom of dat blok staan.",
     false, nullptr, ForEachNakedSubset<2>},
    {Technique::HiddenPair, 6, "verborgen paar",
     "Twee cijfers kunnen in een rij, kolom of blok alleen in dezelfde twee vakjes staan: in "
     "die vakjes past dan niets anders.",
     false, nullptr, ForEachHiddenSubset<2>},
    {Technique::NakedTriple, 6, "naakt drietal",
     "In drie vakjes van een rij, kolom of blok passen samen maar drie cijfers: die cijfers "
     "kunnen nergens anders in die rij, kolom of dat blok staan.",
     false, nullptr, ForEachNakedSubset<3>},
    {Technique::HiddenTriple, 6, "verborgen drietal",
     "Drie cijfers kunnen in een rij, kolom of blok alleen in dezelfde drie vakjes staan: in "
     "die vakjes past dan niets anders.",
     false, nullptr, ForEachHiddenSubset<3>},
    {Technique::XWing, 7, "X-wing",
     "Kan een cijfer in twee rijen alleen in dezelfde twee kolommen staan, dan staat het in "
     "die kolommen in die rijen en nergens anders (en zo ook met kolommen en rijen "
     "omgekeerd).",
     false, nullptr, ForEachFish<2>},
    {Technique::Swordfish, 7, "swordfish",
     "Een X-wing met drie rijen en drie kolommen: kan een cijfer in drie rijen alleen in "
     "dezelfde drie kolommen staan, dan nergens anders in die kolommen.",
     false, nullptr, ForEachFish<3>},
    {Technique::NakedQuad, 7, "naakt viertal",
     "In vier vakjes van een rij, kolom of blok passen samen maar vier cijfers: die cijfers "
     "kunnen nergens anders in die rij, kolom of dat blok staan.",
     false, nullptr, ForEachNakedSubset<4>},
    {Technique::Jellyfish, 7, "jellyfish",
     "Een X-wing met vier rijen en vier kolommen: kan een cijfer in vier rijen alleen in "
     "dezelfde vier kolommen staan, dan nergens anders in die kolommen.",
     false, nullptr, ForEachFish<4>},
    {Technique::HiddenQuad, 7, "verborgen viertal",
     "Vier cijfers kunnen in een rij, kolom of blok alleen in dezelfde vier vakjes staan: in "
     "die vakjes past dan niets anders.",
     false, nullptr, ForEachHiddenSubset<4>},
    {Technique::XYWing, 8, "XY-wing",
     "Een vakje met de cijfers x en y ziet een vakje met x en z en een met y en z: welk cijfer "
     "het ook krijgt, een van die twee wordt z, dus z kan niet staan waar het beide ziet.",
     false, nullptr, ForEachXYWing},
    {Technique::XYZWing, 8, "XYZ-wing",
     "Een vakje met x, y en z ziet een vakje met x en z en een met y en z: een van de drie "
     "wordt z, dus z kan niet staan waar het alle drie ziet.",
     false, nullptr, ForEachXYZWing},
    {Technique::UniqueRectangle, 8, "unieke rechthoek",
     "Vier vakjes op de hoeken van een rechthoek in twee blokken die alle vier alleen "
     "dezelfde twee cijfers houden, geven de puzzel twee oplossingen; omdat er maar "
     "\u00e9\u00e9n is, krijgt de vierde hoek een ander cijfer.",
     true, nullptr, ForEachUniqueRectangle},
    {Technique::WWing, 8, "W-wing",
     "Twee vakjes met dezelfde twee cijfers, verbonden door een rij, kolom of blok waarin een "
     "van die cijfers maar twee plaatsen heeft: een van beide vakjes krijgt het andere "
     "cijfer.",
     false, nullptr, ForEachWWing},
    {Technique::Skyscraper, 8, "wolkenkrabber",
     "Twee rijen (of kolommen) met elk maar twee plaatsen voor een cijfer, met \u00e9\u00e9n "
     "plaats van elk in dezelfde kolom (of rij): een van de twee andere plaatsen krijgt het "
     "cijfer.",
     false, nullptr, ForEachSkyscraper},
    {Technique::TwoStringKite, 8, "vlieger",
     "Een rij en een kolom met elk maar twee plaatsen voor een cijfer, met \u00e9\u00e9n "
     "plaats van elk in hetzelfde blok: een van de twee andere plaatsen krijgt het cijfer.",
     false, nullptr, ForEachTwoStringKite},
    {Technique::ColourWrap, 8, "kleuren met tegenspraak",
     "Waar een cijfer maar twee plaatsen heeft, krijgt de ene het en de andere niet; zo "
     "vallen de vakjes in twee groepen. Zien twee vakjes van dezelfde groep elkaar, dan "
     "krijgt die groep het cijfer nergens.",
     false, nullptr, ForEachColourWrap},
    {Technique::ColourTrap, 8, "kleuren met klem",
     "Waar een cijfer maar twee plaatsen heeft, krijgt de ene het en de andere niet; zo "
     "vallen de vakjes in twee groepen, waarvan er \u00e9\u00e9n het cijfer krijgt. Een vakje "
     "dat beide groepen ziet, krijgt het niet.",
     false, nullptr, ForEachColourTrap},
    {Technique::XChain, 8, "X-keten",
     "Een keten van vakjes met hetzelfde cijfer, afwisselend een rij, kolom of blok waar het "
     "maar twee plaatsen heeft en twee vakjes die elkaar zien: een van de uiteinden krijgt "
     "het cijfer.",
     false, nullptr, ForEachXChain},
    {Technique::XYChain, 8, "XY-keten",
     "Een keten van vakjes met elk twee cijfers, waarin elk vakje het volgende ziet en er "
     "een cijfer mee deelt: krijgt het eerste vakje zijn begincijfer niet, dan krijgt het "
     "laatste het.",
     false, nullptr, ForEachXYChain},
}};

static_assert([] {
    for (int i = 0; i < TechniqueCount; ++i) {
        if (static_cast<int>(TheLadder[i].technique) != i) {
            return false;
        }
    }
    return true;
}());

}  // namespace

Technique NakedSubsetOf(int size) {
    constexpr Technique of[] = {Technique::NakedPair, Technique::NakedTriple, Technique::NakedQuad};
    return of[size - 2];
}

Technique HiddenSubsetOf(int size) {
    constexpr Technique of[] = {Technique::HiddenPair, Technique::HiddenTriple,
                                Technique::HiddenQuad};
    return of[size - 2];
}

Technique FishOf(int size) {
    constexpr Technique of[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};
    return of[size - 2];
}

std::span<const TechniqueInfo, TechniqueCount> Ladder() {
    return TheLadder;
}

const TechniqueInfo& InfoOf(Technique technique) {
    return TheLadder[static_cast<int>(technique)];
}

Technique HardestOfBand(int band) {
    Technique hardest = Technique::NakedSingle;
    for (const TechniqueInfo& info : TheLadder) {
        if (info.band <= band) {
            hardest = info.technique;
        }
    }
    return hardest;
}

DigitMask Elimination::StrikesFrom(const CandidateGrid& grid, int cell) const {
    return targets.Contains(cell) ? grid.Candidates(cell) & struck : 0;
}

void ForEachNakedSingle(const CandidateGrid& grid, const Visitor<Placement>& visit) {
    if (!grid.NakedSingles().IsEmpty()) {
        const int cell = grid.NakedSingles().First();
        visit(Placement{Technique::NakedSingle, cell, LowestDigit(grid.Candidates(cell))});
    }
}

void ForEachHiddenSingle(const CandidateGrid& grid, const Visitor<Placement>& visit) {
    for (const int unit : UnitOrder) {
        if (grid.EmptyCountIn(unit) == 0) {
            continue;
        }
        // Digits seen once in the unit's candidates, and those seen more often.
        DigitMask once = 0, more = 0;
        for (const int cell : CellsOf(unit)) {
            const DigitMask candidates = grid.Candidates(cell);
            more |= once & candidates;
            once |= candidates;
        }
        const bool goOn = ForEachDigit(once & ~more, [&](int digit) {
            return visit(Placement{Technique::HiddenSingle, CellWithCandidate(grid, unit, digit),
                                   digit, unit});
        });
        if (!goOn) {
            return;
        }
    }
}

void ForEachBoxLine(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    if (ForEachBoxLineAlong(grid, UnitKind::Row, visit)) {
        ForEachBoxLineAlong(grid, UnitKind::Column, visit);
    }
}

template <int Size>
void ForEachNakedSubset(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    for (const int unit : UnitOrder) {
        // A subset strikes only from the unit's other empty cells.
        if (grid.EmptyCountIn(unit) > Size && !NakedSubsetsIn(grid, unit, Size, visit)) {
            return;
        }
    }
}

template <int Size>
void ForEachHiddenSubset(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (const int unit : UnitOrder) {
        if (grid.EmptyCountIn(unit) > Size && !HiddenSubsetsIn(grid, places, unit, Size, visit)) {
            return;
        }
    }
}

template void ForEachNakedSubset<2>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachNakedSubset<3>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachNakedSubset<4>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachHiddenSubset<2>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachHiddenSubset<3>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachHiddenSubset<4>(const CandidateGrid&, const Visitor<Elimination>&);

Deduction FindSimplest(const CandidateGrid& grid, Reach reach) {
    Deduction found;
    for (const TechniqueInfo& info : TheLadder) {
        if (!reach.Allows(info)) {
            continue;
        }
        if (info.placements != nullptr) {
            info.placements(grid, [&found](const Placement& p) {
                found = p;
                return false;
            });
        } else {
            info.eliminations(grid, [&found](const Elimination& e) {
                found = e;
                return false;
            });
        }
        if (!std::holds_alternative<std::monostate>(found)) {
            break;
        }
    }
    return found;
}

void Apply(CandidateGrid& grid, const Placement& placement) {
    grid.Place(placement.cell, placement.digit);
}

void Apply(CandidateGrid& grid, const Elimination& elimination) {
    elimination.targets.ForEach([&](int cell) { grid.Strike(cell, elimination.struck); });
}

}  // namespace logic
