#pragma once

#include <QFont>
#include <QString>

// A font by family and point size at the design resolution of 96 dots to the inch (15 twips to the
// pixel), so that text keeps its size against layouts given in twips on any screen.
QFont PointFont(const QString& family, double points, bool bold = false);

// The face the dialogs' captions are placed for: 8.25 point of Arial's metrics. Dialogs ask for it
// themselves, so that their captions keep within their places whatever the desktop's font.
QFont DialogFont();

// Fonts for the families the program asks for, where the desktop has no font of that name:
// "Arial" becomes a face of Arial's metrics, "Comic Sans MS" and "MS Sans Serif" free look-alikes.
void InstallFontSubstitutes();
