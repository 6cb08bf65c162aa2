#pragma once

#include <QString>

#include <functional>

// Starts playing a wave file and returns at once. A file that is missing or cannot be played
// makes no sound and reports nothing; no default sound replaces it.
void PlayWave(const QString& path);

// Tests listen here to the files that are asked for; with a listener set nothing is played.
void SetWaveListener(std::function<void(const QString&)> listener);
