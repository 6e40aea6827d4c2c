#pragma once

#include "platform/Dialogs.h"

#include <QMainWindow>

class QPushButton;

// The main window "居宅介護サービス計画書メイン": three buttons open the sheet editors, the menu reaches saving
// and loading, the printouts, the master lists, the colour settings and the version window, and "処理終了"
// writes the settings and ends the program. Nothing else ends it: a close request from outside is refused.
class TF_Main : public QMainWindow
{
    Q_OBJECT
public:
    TF_Main();

    // The save dialog of "ﾃﾞｰﾀ保存".
    const FileDialogOptions SaveDialog1{QStringLiteral("CSVファイル|*.csv|TXTファイル|*.txt|すべて|*.*"),
                                        QStringLiteral("csv")};

    void BtnKeikaku1Click();
    void BtnKeikaku2Click();
    void BtnKeikaku3Click();
    void BtnOwariClick();
    void N1Click();
    void N2Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    // Runs a command of the buttons or the menu once every window exists.
    void runCommand(void (TF_Main::*handler)());
    QPushButton *addButton(const QString &name, const QString &caption, int top, void (TF_Main::*handler)());

    bool m_ending = false;
    bool m_painted = false;
};

extern TF_Main *F_Main;

// The 14 windows of the program are created once, in their fixed order, the main window first (its creation reads
// Conf.txt, so the editors created after it find their positions). The program shows the main window as soon as it
// exists and creates the other 13 right after its first paint, which halves the time until the user sees it; a
// command of the main window that comes earlier creates them first, so every command finds every window.
void CreateMainWindow();
// Creates the other 13 windows in their order; does nothing once they exist.
void CreateOtherWindows();
// Both at once.
void CreateAllWindows();
