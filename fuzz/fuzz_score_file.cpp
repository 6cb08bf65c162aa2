// Any bytes as Scorelijst.lst: the list comes out in order, and writing and reading it again
// gives the same list.
#include "core/score_list.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScoreList scores;
    ReadScoreFile(QByteArrayView(data, static_cast<qsizetype>(size)), scores);
    for (int i = 1; i < scores.Count(); ++i) {
        if (ScoreList::Before(scores.At(i), scores.At(i - 1))) {
            std::abort();
        }
    }
    ScoreList again;
    ReadScoreFile(FormatScoreFile(scores), again);
    // Blanks around an unquoted value are not kept, so compare the written files.
    if (FormatScoreFile(again) != FormatScoreFile(scores)) {
        std::abort();
    }
    return 0;
}
