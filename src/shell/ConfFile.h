#pragma once

// The settings file Conf.txt in the current directory: the ten settings of U_Gloval.h, one decimal integer per
// line, in the order InputMarkColor, PrintMarkColor, InputServiceTextColor, PrintServiceTextColor, Plan1Top,
// Plan1Left, Plan2Top, Plan2Left, WeeklyTop, WeeklyLeft.

#include <QByteArray>
#include <QString>

inline const QString ConfFileName = QStringLiteral("Conf.txt");

// Reads Conf.txt into the settings. A missing or unreadable file throws "I/O エラー (103)"; a value that is not
// a number throws "入力値が数値ではありません", after the values before it have been stored.
void ReadConfFile();

// Writes the settings to Conf.txt (a zero mark colour is written as its default). Throws on failure, and the
// old file stays whole.
void WriteConfFile();

// The reading rule on the file's content, for ReadConfFile and for checks of damaged files.
void ReadConfText(const QByteArray &content);
