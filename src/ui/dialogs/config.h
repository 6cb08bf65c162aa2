#pragma once

#include "core/settings.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class Controls;
class QCheckBox;
class QLabel;
class QScrollBar;

// The settings: difficulty, the colour of the player's digits, the pattern, the sound after each
// move and the switch of the main window's solution command. Every change is written into the
// game settings the moment it is made; "Ok" only closes the dialog.
class Config : public QDialog {
    Q_OBJECT
  public:
    // `oplossing` is the main window's "Oplossing" command, which "Aan" and "Uit" switch.
    Config(GameSettings& settings, QWidget* oplossing, QWidget* parent = nullptr);
    ~Config() override;

    // The colour the preview shows, as red + 256 x green + 65536 x blue.
    int PreviewColour() const;

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void CheckPatroon_Click();
    void CheckZet_Click();
    void OplosKnopaan_Click();
    void OplosKnopuit_Click();
    void OkKnop_Click();

  signals:
    // The difficulty or the digit colour changed: a setting that the settings file keeps.
    void SettingsChanged();

  protected:
    // Return on a bar or a check box changes nothing: it is no press of "Aan", the first button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void PaintPreview();

    GameSettings& settings_;
    QPointer<QWidget> oplossing_;
    std::unique_ptr<Controls> controls_;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* hScroll2_ = nullptr;
    QScrollBar* hScroll3_ = nullptr;
    QScrollBar* hScroll4_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* levelName_ = nullptr;
    QLabel* label5_ = nullptr;
    QCheckBox* checkPatroon_ = nullptr;
    QCheckBox* checkZet_ = nullptr;
};
