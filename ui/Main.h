// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window: the board with its frames, the tool bar and the ticker. It
// draws what the Hand tells it through BoardView and hands the board's mouse
// events to the Hand, which holds all the rules of play.
#pragma once

#include <QCursor>
#include <QImage>
#include <QKeySequence>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "data.h"
#include "hand.h"
#include "raster.h"
#include "tangdata.h"
#include "widgets/helpfile.h"

class BoardCanvas;
class HyperlinkLabel;
class OpeningAnimation;
class QFrame;
class QIcon;
class QToolButton;
class TPatForm;
class TSelectDlg;
class TStatDlg;
class TFreewareDlg;
class THintDlg;
class TTongueDlg;
class TYesNoDlg;
class WindowPlacer;
namespace sound {
class EffectPlayer;
}
class Ticker;

// Registers the images, glyphs and cursors built into the program.
void InitAssets();

// The message that ends the program when the catalogue is unusable, in German
// for language code 1 and in English otherwise.
QString CatalogueErrorText(tangram::CatalogueResult result, int tongue);

// Where the board goes in a client area of the given size. The cell size is
// the same both ways, and one free cell is kept round the 121 x 81 cells.
struct BoardPlacement {
    int cell = 0;
    QRect box;
};
BoardPlacement PlaceBoard(QSize client);

class TMainForm : public QWidget, public tangram::BoardView {
    Q_OBJECT
public:
    static constexpr int ToolPanelHeight = 33;
    static constexpr int ScrollHeight = 17;
    static constexpr QSize DesignClientSize{638, 445};
    // Wide enough for the whole tool bar, high enough for a cell of one pixel.
    static constexpr QSize MinimumClientSize{337, ToolPanelHeight + ScrollHeight + 83};

    TMainForm(tangram::GameData& game, tangram::Board& board, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The pattern window follows every change of the puzzle and its status;
    // its activation at the start counts as this window's first one.
    void SetPatternWindow(TPatForm* pattern);

    // BoardView: all of these draw into the board's picture at once.
    void DrawPieceFilled(int tan, tangram::Colour fill, tangram::Colour pen) override;
    void DrawPieceOutline(int tan, tangram::Colour pen, bool xorMode) override;
    void DrawPieces(tangram::Colour fill, tangram::Colour pen) override;
    void PlayEffect(int effect) override;
    void SetBoardCursor(tangram::BoardCursor cursor) override;
    void ShowSolved() override;
    void FlushBoard() override;

    void UpdateTitle();
    // Hints, ticker text and title in the current language.
    void Localize();
    // Draws the whole board afresh from the piece states and asks for a
    // repaint of this window and the pattern window.
    void RepaintAll();

    int CellWidth() const { return hand_.CellWidth; }
    int CellHeight() const { return hand_.CellHeight; }
    QRect BoxGeometry() const;
    BoardCanvas* Box() const { return box_; }
    Ticker* Scroll() const { return qvkScroll_; }
    tangram::BoardCursor BoardCursorShape() const { return cursorShape_; }
    // How often the whole board was drawn afresh.
    int BoardRenderCount() const { return renderCount_; }

    // The keys of the tool buttons.
    struct ToolKey {
        QToolButton* button;
        QKeySequence keys;
    };
    std::vector<ToolKey> ToolKeys() const;

    // Down while sounds are on.
    bool SoundOn() const;
    void SetSoundOn(bool on);

    // Saved games (MainGames.cpp). The file dialogs answer a folder to start
    // in with the chosen path, or an empty one when the player cancels; tests
    // put their own answers here, empty ones mean Qt's dialogs.
    using FileDialog = std::function<QString(QWidget* parent, const QString& folder)>;
    FileDialog AskSaveFile;
    FileDialog AskOpenFile;
    bool LoadGame(const QString& path);
    bool SaveGame(const QString& path);
    void SaveGameAs();
    void SaveProgressIfChanged();
    // The same without any dialog, for the end of the session: a game without
    // a file gets one in the user's data folder, which "save" then names, so
    // the next start goes on with it. A failure is not reported.
    void SaveProgressQuietly();
    TSelectDlg* SelectDialog();
    TStatDlg* StatDialog();

    // Restores the stored placement and shows the window when the opening
    // animation is over (at once without one); its first activation then
    // asks for the language (when none is stored yet) and shows the info
    // dialog. A window shown otherwise (in tests) skips those.
    void ShowAtStart(OpeningAnimation* opening = nullptr);
    // Make the dialogs before they are first needed, so that each opens at
    // once; the start-up does this while the opening animation runs. The
    // selection, statistics, message and language dialogs are quickly made;
    // the info and rules dialogs, with their pictures and long texts, less so.
    void MakeGameDialogs();
    void MakeReadingDialogs();
    // What a confirmed close does, without asking or showing anything: for
    // the end of the desktop session and the signals that end the program.
    // Runs once; a close after it asks nothing more.
    void EndSession();
    bool SessionEnded() const { return ended_; }
    // The sounds: the wave list in the program, a recording in tests; without
    // a player the game is silent.
    void SetEffectPlayer(sound::EffectPlayer* waves) { waves_ = waves; }
    // The message dialog's page 1 "won", 3 "endgame" or 4 "giveup"; returns
    // its modal result (Yes is 6).
    int ShowPage(int page);
    TYesNoDlg* YesNoDialog();
    TFreewareDlg* FreewareDialog();
    TTongueDlg* TongueDialog();
    THintDlg* HintDialog();
    WindowPlacer* Placement() const { return placement_; }
    const HelpFile& Help() const { return help_; }

public slots:
    void NewgameBtnClick();
    void LoadBtnClick();
    void SaveBtnClick();
    void StatBtnClick();
    void SelectBtnClick();
    void TipBtnMouseDown();
    void UpBtnClick();
    void DownBtnClick();
    void ExitBtnClick();
    void TongueBtnClick();
    void rules();
    void info();
    void QuarvBtnClick();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar();
    QToolButton* AddToolButton(const char* name, int left, int width, const QIcon& glyph,
                               int glyphSize);
    void AddShortcuts();
    void UpdateSoundGlyph();
    void FormResize();
    void FormPaint();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    int ShowInfo();
    // Shows the language dialog and puts the choice into effect.
    void AskLanguage();
    // The values the next start takes up again.
    void WriteCloseSettings();
    // The board control's own painting: silver ground, the Tans, the held
    // Tan's outline.
    void boxPaint();
    void boxMouseDown(Qt::MouseButton button, QPoint pos);
    void boxMouseMove(bool leftButtonDown, QPoint pos);
    QPolygon PiecePixels(int tan) const;
    QRect FillPiece(QPainter& painter, int tan, tangram::Colour fill, tangram::Colour pen) const;

    tangram::GameData& game_;
    tangram::Board& board_;
    tangram::SteadyTickClock clock_;
    tangram::Hand hand_;
    TPatForm* pattern_ = nullptr;

    QFrame* ToolPanel = nullptr;
    QToolButton* NewgameBtn = nullptr;
    QToolButton* LoadBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* SoundBtn = nullptr;
    QToolButton* StatBtn = nullptr;
    QToolButton* SelectBtn = nullptr;
    QToolButton* TipBtn = nullptr;
    QToolButton* UpBtn = nullptr;
    QToolButton* DownBtn = nullptr;
    QToolButton* ExitBtn = nullptr;
    QToolButton* TongueBtn = nullptr;
    QToolButton* RulesBtn = nullptr;
    QToolButton* InfoBtn = nullptr;
    BoardCanvas* box_ = nullptr;
    Ticker* qvkScroll_ = nullptr;
    HyperlinkLabel* QVKLabel = nullptr;

    QImage back_;
    QCursor turnCursor_;
    QCursor moveCursor_;
    tangram::BoardCursor cursorShape_ = tangram::BoardCursor::Hand;
    bool firstActivation_ = true;
    TSelectDlg* SelectDlg = nullptr;
    TStatDlg* StatDlg = nullptr;
    TYesNoDlg* YesNoDlg = nullptr;
    TFreewareDlg* FreewareDlg = nullptr;
    TTongueDlg* TongueDlg = nullptr;
    THintDlg* HintDlg = nullptr;
    sound::EffectPlayer* waves_ = nullptr;
    WindowPlacer* placement_ = nullptr;
    HelpFile help_;
    bool startDialogs_ = false;
    // The close-time saving and settings are done.
    bool ended_ = false;
    int renderCount_ = 0;
};
