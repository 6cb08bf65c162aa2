// Any bytes as Voorkeuren.ini: the switches and the window's place that the program writes into
// the file, whatever else it holds, read back as they were written.
#include "core/preferences_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    GameSettings before;
    ReadPreferencesFile(text, before);
    GameSettings after = before;
    for (const SettingSwitch& setting : SettingSwitches) {
        after.*setting.value = !(before.*setting.value);
    }
    // The place is made of the same bytes, so that it holds every kind of byte the file does.
    const QByteArray place =
        WindowPlaceIn(text) + text.first(std::min<qsizetype>(text.size(), 64)).toByteArray();
    const QByteArray file = WithWindowPlace(MergePreferencesFile(text, before, after), place);
    GameSettings read = before;
    ReadPreferencesFile(file, read);
    for (const SettingSwitch& setting : SettingSwitches) {
        if (read.*setting.value != after.*setting.value) {
            std::abort();
        }
    }
    if (WindowPlaceIn(file) != place) {
        std::abort();
    }
    return 0;
}
