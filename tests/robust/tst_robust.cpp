#include "GuiTestSupport.h"

#include "masters/MasterFile.h"
#include "masters/MasterForm.h"
#include "masters/U_Jisya.h"
#include "masters/U_RyoM.h"
#include "masters/U_Service.h"
#include "plan/PlanFile.h"
#include "plan/U_Gloval.h"
#include "plan/U_ReadDT.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Keikaku3.h"
#include "shell/ConfFile.h"
#include "shell/U_Main.h"

#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using Lines = QList<QByteArray>;
using Values = QList<qint32>;
using Files = QMap<QString, QByteArray>;

namespace {

// Far more than the work takes on a slow machine, far less than a hang.
constexpr qint64 TimeBoundMs = 5000;

const QString PlanFileName = QStringLiteral("plans.csv");

// ---- Faults in the way of writing ----

enum Fault { ReadOnlyFile, ReadOnlyFolder, FolderInPlace, DiskFull };

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

QByteArray osPath(const QString &path)
{
    return QFile::encodeName(path);
}

// The folder "data" in the test's folder, made the current directory, with the file under test holding its old
// content, and a fault in the way of writing that file. Root is not stopped by permission bits, so as root a
// read-only file or folder is a read-only bind mount of it, and a full disk is a 64 KiB file system mounted on the
// folder and filled up; otherwise the write permission is taken away, and a full disk is a limit on the size of
// the files the process writes.
class FaultyFolder
{
public:
    FaultyFolder(Fault fault, const QString &fileName, const QByteArray &old)
        : m_fault(fault), m_parent(QDir::currentPath()), m_folder(m_parent + QStringLiteral("/data")),
          m_file(m_folder + u'/' + fileName)
    {
        QDir().mkdir(m_folder);
        if (fault == DiskFull && runsAsRoot())
            m_tinyDisk = ::mount("tmpfs", osPath(m_folder).constData(), "tmpfs", 0, "size=64k") == 0;
        if (fault == FolderInPlace) {
            QDir().mkdir(m_file);
            TempCurrentDir::write(m_file + QStringLiteral("/inside.txt"), old);
        } else {
            TempCurrentDir::write(m_file, old);
        }
        if (fault == ReadOnlyFile || fault == ReadOnlyFolder)
            makeReadOnly(fault == ReadOnlyFile ? m_file : m_folder);
        if (fault == DiskFull) {
            if (m_tinyDisk)
                fillUp();
            else
                m_sizeLimit.emplace(old.size() + 16);
        }
        QDir::setCurrent(m_folder);
    }

    ~FaultyFolder()
    {
        lift();
        QDir::setCurrent(m_parent);
        if (m_tinyDisk)
            ::umount2(osPath(m_folder).constData(), MNT_DETACH);
    }

    FaultyFolder(const FaultyFolder &) = delete;
    FaultyFolder &operator=(const FaultyFolder &) = delete;

    // Why the fault cannot be made on this machine, or an empty text.
    QString unavailable() const { return m_unavailable; }

    // Takes the fault away, so that the same command can succeed.
    void lift()
    {
        if (m_lifted)
            return;
        m_lifted = true;
        QDir::setCurrent(m_parent);
        if (m_readOnlyMount)
            ::umount2(osPath(m_readOnly).constData(), MNT_DETACH);
        else if (!m_readOnly.isEmpty())
            QFile::setPermissions(m_readOnly, m_permissions);
        if (m_fault == FolderInPlace)
            QDir(m_file).removeRecursively();
        if (m_tinyDisk)
            QFile::remove(m_folder + QStringLiteral("/filler"));
        m_sizeLimit.reset();
        // Entered afresh: the path now leads past the read-only mount that the old current directory was in.
        QDir::setCurrent(m_folder);
    }

private:
    void makeReadOnly(const QString &path)
    {
        m_readOnly = path;
        if (runsAsRoot()) {
            const QByteArray p = osPath(path);
            m_readOnlyMount = ::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) == 0;
            if (m_readOnlyMount &&
                ::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
                ::umount2(p.constData(), MNT_DETACH);
                m_readOnlyMount = false;
            }
            if (!m_readOnlyMount)
                m_unavailable = QStringLiteral("running as root, whom permission bits do not stop, where mounting is "
                                               "not allowed: no read-only file or folder can be made");
        } else {
            m_permissions = QFile::permissions(path);
            QFile::setPermissions(
                path, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        }
    }

    // Writes a filler file until the tiny disk has no room left.
    void fillUp()
    {
        const int fd = ::open(osPath(m_folder + QStringLiteral("/filler")).constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }

    const Fault m_fault;
    const QString m_parent;
    const QString m_folder;
    const QString m_file;
    QString m_readOnly;
    QFileDevice::Permissions m_permissions;
    bool m_readOnlyMount = false;
    bool m_tinyDisk = false;
    std::optional<FileSizeLimit> m_sizeLimit;
    QString m_unavailable;
    bool m_lifted = false;
};

// Every file under the folder with its bytes, folders included (as empty), to see that nothing else was written.
Files filesIn(const QString &folder)
{
    Files files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), it.fileInfo().isFile() ? TempCurrentDir::read(path) : "");
    }
    return files;
}

// ---- The windows ----

void clickButton(QWidget *window, const char *name)
{
    QTest::mouseClick(control<QPushButton>(window, QLatin1String(name)), Qt::LeftButton);
}

void trigger(const char *item)
{
    F_Main->menuBar()->findChild<QAction *>(QLatin1String(item))->trigger();
}

MasterForm *masterWindowOf(const QString &fileName)
{
    if (fileName == JisyaFileName)
        return FrmJisya;
    if (fileName == RiyouFileName)
        return F_RiyoM;
    return F_Service;
}

MasterListBox *listBox(QWidget *window)
{
    return control<MasterListBox>(window, QStringLiteral("ListBox1"));
}

void clickEntry(QListWidget *list, int row)
{
    QListWidgetItem *entry = list->item(row);
    list->scrollToItem(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
}

// Saves the plan now in the editors through "ﾃﾞｰﾀ保存", into the file the save dialog is answered with. The plan
// has a user and a creation date, so that the dialog is shown.
void savePlan(const QString &fileName)
{
    F_Keikaku1->setNameWithoutLookup(control<QComboBox>(F_Keikaku1, QStringLiteral("ComboBox1")),
                                     QStringLiteral("見本 花子"));
    control<QLabel>(F_Keikaku1, QStringLiteral("Label16"))->setText(QStringLiteral("令和06年1月15日"));
    DialogHooks::setNextFileName(fileName);
    trigger("N1");
}

// Writes the file through the command that writes it: "処理終了" for Conf.txt, "書込" of its master window, or
// "ﾃﾞｰﾀ保存" for a plan data file (saving into target).
void writeThroughTheProgram(const QString &fileName, const QString &target)
{
    if (fileName == ConfFileName)
        clickButton(F_Main, "BtnOwari");
    else if (fileName == PlanFileName)
        savePlan(target);
    else
        clickButton(masterWindowOf(fileName), "Btn_Write");
}

// A plan line of 927 fields: user, creation date and care level as given, every weekly cell whole and white in
// its row, the other fields named by their number ("f3"), and the fields in `replaced` put in by their number.
QByteArray planLine(const QByteArray &user, const QByteArray &date, const QMap<int, QByteArray> &replaced = {})
{
    Lines fields;
    for (int n = 1; n <= PlanFieldCount; ++n) {
        const int cell = (n - 63) / 5;
        switch (n < 63 || n > 902 ? -1 : (n - 63) % 5) {
        case 0:
            fields << "";
            break;
        case 1:
            fields << "16777215";
            break;
        case 2:
            fields << "-2147483640";
            break;
        case 3:
            fields << QByteArray::number(24 * (cell % 24 + 1) + 12);
            break;
        case 4:
            fields << "17";
            break;
        default:
            fields << "f" + QByteArray::number(n);
        }
    }
    fields[0] = user;
    fields[6] = date;
    for (auto it = replaced.begin(); it != replaced.end(); ++it)
        fields[it.key() - 1] = it.value();
    return JoinFields(fields);
}

// The longest text that any control of any window holds, list entries and choices included.
qsizetype longestShownText()
{
    qsizetype longest = CurrentUserName.size();
    auto consider = [&](const QString &text) { longest = std::max(longest, text.size()); };
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (const QLabel *label : window->findChildren<QLabel *>())
            consider(label->text());
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
            consider(edit->text());
        for (const QPlainTextEdit *memo : window->findChildren<QPlainTextEdit *>())
            consider(memo->toPlainText());
        for (const QComboBox *box : window->findChildren<QComboBox *>()) {
            for (int i = 0; i < box->count(); ++i)
                consider(box->itemText(i));
        }
        for (const QListWidget *list : window->findChildren<QListWidget *>()) {
            for (int i = 0; i < list->count(); ++i)
                consider(list->item(i)->text());
        }
    }
    return longest;
}

// Draws the windows as the user sees them, laying out every text they show.
void drawWindows(const QList<QWidget *> &windows)
{
    for (QWidget *window : windows)
        window->grab();
}

QListWidget *planEntries()
{
    return control<QListWidget>(F_ReadDT, QStringLiteral("ListBox1"));
}

// Lists a data file through "ファイル選択" of the load window.
void listPlanFile(const QString &fileName)
{
    F_ReadDT->show();
    DialogHooks::setNextFileName(fileName);
    clickButton(F_ReadDT, "Button1");
}

// Loads the plan of the first entry by a double click on it.
void loadFirstEntry()
{
    QListWidget *list = planEntries();
    const QPoint where = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

// The ten settings in the order of Conf.txt.
const std::array<qint32 *, 10> Settings = {&InputMarkColor,
                                           &PrintMarkColor,
                                           &InputServiceTextColor,
                                           &PrintServiceTextColor,
                                           &Plan1Top,
                                           &Plan1Left,
                                           &Plan2Top,
                                           &Plan2Left,
                                           &WeeklyTop,
                                           &WeeklyLeft};

Values settings()
{
    Values values;
    for (const qint32 *setting : Settings)
        values << *setting;
    return values;
}

void setSettings(const Values &values)
{
    for (int i = 0; i < 10; ++i)
        *Settings[i] = values.at(i);
}

bool onAScreen(const QRect &outer)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen *screen) { return screen->geometry().intersects(outer); });
}

// A user file of that many whole records.
QByteArray manyUsers(int count)
{
    QByteArray users;
    for (int i = 0; i < count; ++i)
        users +=
            sjis(QStringLiteral("%1,利用者 %1,1935/04/12,東京都 世田谷区 見本町 1-2-3 見本マンション 405,継続,認定済,"
                                "2024/03/20,2024/04/01,2026/03/31,要介護２,一人暮らし\r\n")
                     .arg(i, 10, 10, QLatin1Char('0')));
    return users;
}

const Lines JisyaLines = {sjis(QStringLiteral("ひまわり事業所,東京都 世田谷区 見本町 4-5-6,介護 一郎")),
                          sjis(QStringLiteral("さくら,横浜市,支援 由美"))};
const Lines RiyouLines = {
    sjis(QStringLiteral("0000000001,見本 花子,1935/04/12,東京都 世田谷区 1-2,継続,認定済,2024/03/20,2024/04/01,"
                        "2026/03/31,要介護２,一人暮らし")),
};
const Lines ServiceLines = {sjis(QStringLiteral("訪問介護")), sjis(QStringLiteral("通所介護")),
                            sjis(QStringLiteral("福祉用具貸与"))};

} // namespace

class TestRobust : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void failedWriteKeepsWhatTheFileHeld_data();
    void failedWriteKeepsWhatTheFileHeld();
    void damagedPlanFile_data();
    void damagedPlanFile();
    void randomPlanFiles();
    void planFileChangedAfterListing_data();
    void planFileChangedAfterListing();
    void damagedMasterFile_data();
    void damagedMasterFile();
    void choosingAUserFromAHugeUserFile();
    void damagedConf_data();
    void damagedConf();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestRobust::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    TempCurrentDir::write(ConfFileName, QByteArray("0\r\n").repeated(10));
    TempCurrentDir::write(JisyaFileName, withLineEnds(JisyaLines));
    TempCurrentDir::write(RiyouFileName, withLineEnds(RiyouLines));
    TempCurrentDir::write(ServiceFileName, withLineEnds(ServiceLines));
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    F_Main->show();
    for (const char *item : {"N7", "N8", "N9"})
        trigger(item);
    QVERIFY(QTest::qWaitForWindowExposed(F_Service));
}

void TestRobust::init()
{
    DialogHooks::takeErrors();
    DialogHooks::takeMessages();
}

// ---- Faults while writing ----

void TestRobust::failedWriteKeepsWhatTheFileHeld_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("error");
    const QString notOpened = QStringLiteral("I/O エラー (103)");
    const QString diskFull = QStringLiteral("ディスクがいっぱいです.");
    const QList<std::pair<QString, QString>> files = {
        {ConfFileName, notOpened},
        {JisyaFileName, QStringLiteral("ファイル Jisya.txt を作成できません.")},
        {RiyouFileName, QStringLiteral("ファイル Riyou.txt を作成できません.")},
        {ServiceFileName, QStringLiteral("ファイル Service.txt を作成できません.")},
        {PlanFileName, notOpened},
    };
    const QStringList faults = {"read-only file", "read-only folder", "folder in its place", "disk full"};
    for (const auto &[fileName, refused] : files) {
        for (int fault = ReadOnlyFile; fault <= DiskFull; ++fault)
            QTest::addRow("%s, %s", qPrintable(fileName), qPrintable(faults.at(fault)))
                << fileName << fault << (fault == DiskFull ? diskFull : refused);
    }
}

void TestRobust::failedWriteKeepsWhatTheFileHeld()
{
    QFETCH(QString, fileName);
    QFETCH(int, fault);
    QFETCH(QString, error);
    TempCurrentDir dir;
    QByteArray old;
    if (fileName == ConfFileName)
        old = "11\r\n22\r\n33\r\n";
    else if (fileName == PlanFileName)
        old = planLine(sjis(QStringLiteral("前 一郎")), sjis(QStringLiteral("平成20年1月15日"))) + "\r\n" +
              planLine(sjis(QStringLiteral("前 二郎")), sjis(QStringLiteral("平成21年2月16日"))) + "\r\n";
    else
        old = sjis(QStringLiteral("前の内容\r\n"));
    FaultyFolder folder(Fault(fault), fileName, old);
    if (!folder.unavailable().isEmpty())
        QSKIP(qPrintable(folder.unavailable()));
    const Files before = filesIn(QDir::currentPath());
    // A plan goes into a new file of the read-only folder: appending to a file already there depends on the
    // file's own permission, not on the folder's.
    const QString target = fileName == PlanFileName && fault == ReadOnlyFolder ? QStringLiteral("new.csv") : fileName;

    writeThroughTheProgram(fileName, target);
    QCOMPARE(DialogHooks::takeErrors(), QStringList{error});
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
    QCOMPARE(filesIn(QDir::currentPath()), before);

    // The program goes on. Where the exit failed the main window still refuses to close; otherwise, once the
    // fault is gone, the same command writes the file.
    if (fileName == ConfFileName) {
        QVERIFY(!F_Main->close());
        QVERIFY(F_Main->isVisible());
        return;
    }
    folder.lift();
    writeThroughTheProgram(fileName, target);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    if (fileName == PlanFileName) {
        const QByteArray kept = target == fileName && fault != FolderInPlace ? old : QByteArray();
        const QByteArray now = TempCurrentDir::read(target);
        QVERIFY(now.startsWith(kept));
        QVERIFY(now.endsWith("\r\n"));
        const Lines added = SplitTextLines(now.mid(kept.size()));
        QCOMPARE(added.size(), 1);
        QCOMPARE(SplitFields(added.front()).size(), PlanFieldCount);
    } else {
        QCOMPARE(DialogHooks::takeMessages(), QStringList{QStringLiteral("保存しました")});
        QCOMPARE(TempCurrentDir::read(fileName), withLineEnds(listBox(masterWindowOf(fileName))->lines()));
        QVERIFY(masterWindowOf(fileName)->isVisible());
    }
}

// ---- Hostile plan data files ----

void TestRobust::damagedPlanFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("listError");
    QTest::addColumn<QString>("address");     // what Label12 of sheet (1) holds after loading
    QTest::addColumn<QString>("saveMessage"); // what saving the loaded plan again says; empty: saved

    const QByteArray fifty(50 << 20, 'x');
    const QByteArray user = sjis(QStringLiteral("見本 花子"));
    const QByteArray date = sjis(QStringLiteral("令和06年1月15日"));
    const QString none;
    const QString f3 = QStringLiteral("f3");
    // The memo of 10 million lines: each "\\" is a line break.
    const QByteArray memo = sjis(QStringLiteral("長い\\")).repeated(10 << 20);
    QTest::newRow("50 MB in a memo") << planLine(user, date, {{13, memo}}) + "\r\n" << 1 << none << f3 << none;
    QTest::newRow("50 MB user name") << planLine(fifty, date) + "\r\n" << 1 << none << f3 << none;
    QTest::newRow("50 MB address") << planLine(user, date, {{3, fifty}}) + "\r\n"
                                   << 1 << none << QString(MaxShownTextLength, u'x') << none;
    const QString sixMissing = QStringLiteral("リストのインデックスが範囲を超えています (6)");
    QTest::newRow("50 MB of one field") << fifty << 0 << sixMissing << none << none;
    // A NUL byte inside double quotes is part of its field; outside them it ends the line.
    const QByteArray nulAddress = sjis(QStringLiteral("住")) + '\0' + sjis(QStringLiteral("所"));
    QTest::newRow("NUL bytes") << planLine(user, date, {{3, nulAddress}}) + "\r\n" +
                                      QByteArray("u2,\0,3,4,5,6,7,8,9,10,11,12\r\n", 30)
                               << 1 << sixMissing << QString::fromUtf16(u"住\0所", 3) << none;
    // Read as code page 932, UTF-8 text turns into other characters and undefined bytes: the plan lists and
    // loads, and saving it again names the first character that cannot be saved.
    const QByteArray utf8Address = QStringLiteral("東京都").toUtf8();
    QTest::newRow("UTF-8") << planLine(QStringLiteral("山田 花子").toUtf8(), QStringLiteral("令和6年1月15日").toUtf8(),
                                       {{3, utf8Address}}) +
                                  "\r\n"
                           << 1 << none << Cp932::decode(utf8Address)
                           << QStringLiteral("居宅サービス計画書（１）の「利用者氏名」に、文字「\uFFFD」(U+FFFD) "
                                             "はシフトJISで保存できないため使えません");
}

void TestRobust::damagedPlanFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, entries);
    QFETCH(QString, listError);
    QFETCH(QString, address);
    QFETCH(QString, saveMessage);
    TempCurrentDir dir;
    TempCurrentDir::write(PlanFileName, content);
    content.clear();
    const Files before = filesIn(dir.path());

    QElapsedTimer timer;
    timer.start();
    listPlanFile(PlanFileName);
    drawWindows({F_ReadDT});
    QCOMPARE(DialogHooks::takeErrors(), listError.isEmpty() ? QStringList() : QStringList{listError});
    QCOMPARE(planEntries()->count(), entries);
    if (entries > 0) {
        loadFirstEntry();
        drawWindows({F_Keikaku1, F_Keikaku2, F_Keikaku3});
        QCOMPARE(DialogHooks::takeErrors(), QStringList());
        QCOMPARE(control<QLabel>(F_Keikaku1, QStringLiteral("Label12"))->text(), address);
    }
    QVERIFY2(timer.elapsed() < TimeBoundMs, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QVERIFY(longestShownText() <= MaxShownTextLength);
    QCOMPARE(filesIn(dir.path()), before);
    F_ReadDT->hide();
    if (entries == 0)
        return;

    // Saving what was loaded either writes one whole plan line or says why it cannot.
    DialogHooks::setNextFileName(QStringLiteral("again.csv"));
    trigger("N1");
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(DialogHooks::takeMessages(), saveMessage.isEmpty() ? QStringList() : QStringList{saveMessage});
    if (saveMessage.isEmpty())
        QCOMPARE(SplitFields(SplitTextLines(TempCurrentDir::read(QStringLiteral("again.csv"))).value(0)).size(),
                 PlanFieldCount);
    else
        QVERIFY(!QFile::exists(QStringLiteral("again.csv")));
}

// Files of random bytes, and saved plans with random bytes written over them: each lists and loads in a short
// time, says no more than the listing and loading messages, and changes no file.
void TestRobust::randomPlanFiles()
{
    TempCurrentDir dir;
    const QRegularExpression allowed(
        QStringLiteral("^(リストのインデックスが範囲を超えています \\(\\d+\\)|'.*' は整数ではありません\\.)$"),
        QRegularExpression::DotMatchesEverythingOption);
    QRandomGenerator random(20240901);
    for (int round = 0; round < 20; ++round) {
        QByteArray content;
        if (round % 2 == 0) {
            content.resize(64 * 1024);
            random.fillRange(reinterpret_cast<quint32 *>(content.data()), content.size() / 4);
        } else {
            content = planLine("u", "d") + "\r\n" + planLine("v", "d") + "\r\n";
            for (int i = 0; i < 16; ++i)
                content[random.bounded(int(content.size()))] = char(random.bounded(256));
        }
        TempCurrentDir::write(PlanFileName, content);
        const Files before = filesIn(dir.path());
        QElapsedTimer timer;
        timer.start();
        listPlanFile(PlanFileName);
        if (planEntries()->count() > 0)
            loadFirstEntry();
        drawWindows({F_ReadDT, F_Keikaku1, F_Keikaku2, F_Keikaku3});
        QVERIFY2(timer.elapsed() < TimeBoundMs, qPrintable(QString::number(round)));
        for (const QString &error : DialogHooks::takeErrors())
            QVERIFY2(allowed.match(error).hasMatch(), qPrintable(error));
        QCOMPARE(filesIn(dir.path()), before);
        F_ReadDT->hide();
    }
}

void TestRobust::planFileChangedAfterListing_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("error"); // of loading and of listing again; empty: the window closes, nothing loaded
    const QString notOpened = QStringLiteral("I/O エラー (103)");
    QTest::newRow("another file without that plan") << QStringLiteral("other") << QString();
    QTest::newRow("a folder") << QStringLiteral("folder") << notOpened;
    QTest::newRow("a named pipe") << QStringLiteral("pipe") << notOpened;
    QTest::newRow("a link to an endless device") << QStringLiteral("device") << notOpened;
}

void TestRobust::planFileChangedAfterListing()
{
    QFETCH(QString, replacement);
    QFETCH(QString, error);
    TempCurrentDir dir;
    TempCurrentDir::write(PlanFileName, planLine("listed", "d") + "\r\n");
    listPlanFile(PlanFileName);
    QCOMPARE(planEntries()->count(), 1);

    QVERIFY(QFile::remove(PlanFileName));
    if (replacement == QLatin1String("other"))
        TempCurrentDir::write(PlanFileName, planLine("other", "d") + "\r\n");
    else if (replacement == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(PlanFileName));
    else if (replacement == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(osPath(PlanFileName).constData(), 0644), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), PlanFileName));
    const Files before = filesIn(dir.path());
    const QString address = control<QLabel>(F_Keikaku1, QStringLiteral("Label12"))->text();

    QElapsedTimer timer;
    timer.start();
    loadFirstEntry();
    QCOMPARE(DialogHooks::takeErrors(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(F_ReadDT->isVisible(), !error.isEmpty());
    QCOMPARE(control<QLabel>(F_Keikaku1, QStringLiteral("Label12"))->text(), address);

    listPlanFile(PlanFileName);
    QCOMPARE(DialogHooks::takeErrors(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(planEntries()->count(), error.isEmpty() ? 1 : 0);
    QVERIFY(timer.elapsed() < TimeBoundMs);
    QCOMPARE(filesIn(dir.path()), before);
    F_ReadDT->hide();
}

// ---- Hostile master files ----

void TestRobust::damagedMasterFile_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("row");             // the entry selected
    QTest::addColumn<QString>("error");       // shown when it is selected
    QTest::addColumn<QString>("editMessage"); // shown by "編集" after selecting; empty: "編集" is not clicked

    const QString none;
    QTest::newRow("services, bytes code page 932 does not define")
        << QStringLiteral("TF_Service") << QByteArray("\x85\x40\xFF\r\n\x82\r\n") << 0 << none
        << QStringLiteral("文字「\uFFFD」(U+FFFD) はシフトJISで保存できないため使えません");
    const QByteArray ten(10 << 20, 'x');
    QTest::newRow("users, lines of 10 MB")
        << QStringLiteral("TF_RiyoM") << "1,u," + ten + ",a,b,c,2024/01/01,2024/01/01,2024/01/01,d,e\r\n" + ten + "\r\n"
        << 0 << u'\'' + QString(100, u'x') + QStringLiteral("…' は日付ではありません.") << none;
    QTest::newRow("users, 100,000 entries") << QStringLiteral("TF_RiyoM") << manyUsers(100000) << 99999 << none << none;
}

void TestRobust::damagedMasterFile()
{
    QFETCH(QString, window);
    QFETCH(QByteArray, content);
    QFETCH(int, row);
    QFETCH(QString, error);
    QFETCH(QString, editMessage);
    TempCurrentDir dir;
    const QString fileName = window == QLatin1String("TF_Service") ? ServiceFileName : RiyouFileName;
    TempCurrentDir::write(fileName, content);
    const Files before = filesIn(dir.path());

    QElapsedTimer timer;
    timer.start();
    const Lines lines = MasterFile::read(fileName, fileName == ServiceFileName ? MasterFile::ZeroByte::EndsText
                                                                               : MasterFile::ZeroByte::InLine);
    const std::unique_ptr<MasterForm> master(
        window == QLatin1String("TF_Service") ? static_cast<MasterForm *>(new TF_Service) : new TF_RiyoM);
    master->show();
    QVERIFY(QTest::qWaitForWindowExposed(master.get()));
    drawWindows({master.get()});
    clickEntry(listBox(master.get()), row);
    QCOMPARE(listBox(master.get())->selectedEntry(), listBox(master.get())->item(row));
    QVERIFY2(timer.elapsed() < TimeBoundMs, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(listBox(master.get())->lines(), lines);
    QVERIFY(longestShownText() <= MaxShownTextLength);
    QCOMPARE(DialogHooks::takeErrors(), error.isEmpty() ? QStringList() : QStringList{error});
    if (!editMessage.isEmpty()) {
        clickButton(master.get(), window == QLatin1String("TF_Service") ? "BtnMody" : "Btn_MOD");
        QCOMPARE(DialogHooks::takeMessages(), QStringList{editMessage});
        QCOMPARE(listBox(master.get())->lines(), lines);
    }
    QCOMPARE(filesIn(dir.path()), before);

    // Written back, every line keeps its bytes.
    clickButton(master.get(), "Btn_Write");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{QStringLiteral("保存しました")});
    QCOMPARE(TempCurrentDir::read(fileName), withLineEnds(lines));
}

// The sheet (1) editor offers every user of a user file of 100,000 lines, and fills its boxes from a record of
// megabytes in a short time; the birth date of that record is no date, which it says.
void TestRobust::choosingAUserFromAHugeUserFile()
{
    TempCurrentDir dir;
    QByteArray users = manyUsers(100000);
    const QByteArray ten(10 << 20, 'y');
    users += "1,last," + ten + "," + ten + ",a,b\r\n";
    TempCurrentDir::write(RiyouFileName, users);

    QElapsedTimer timer;
    timer.start();
    F_Keikaku1->show();
    F_Keikaku1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(F_Keikaku1));
    auto *box = control<QComboBox>(F_Keikaku1, QStringLiteral("ComboBox1"));
    QCOMPARE(box->count(), 100001);
    box->setCurrentIndex(100000);
    drawWindows({F_Keikaku1});
    QVERIFY2(timer.elapsed() < TimeBoundMs, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(DialogHooks::takeErrors(),
             QStringList{u'\'' + QString(100, u'y') + QStringLiteral("…' は日付または時刻ではありません.")});
    QCOMPARE(control<QLabel>(F_Keikaku1, QStringLiteral("Label12"))->text(), QString(MaxShownTextLength, u'y'));
    QVERIFY(longestShownText() <= MaxShownTextLength);
    F_Keikaku1->hide();
}

// ---- Hostile Conf.txt ----

void TestRobust::damagedConf_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QPoint>("plan1Place"); // where the sheet (1) editor created afterwards stands
    const Values before(10, 7);
    const char CtrlZ = 0x1A;
    const QString notANumber = QStringLiteral("入力値が数値ではありません.");
    const QString none;
    QTest::newRow("positions at the 32-bit limits")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n2147483647\r\n-2147483648\r\n-2147483648\r\n2147483647\r\n100000\r\n-100000")
        << Values{1, 2, 3, 4, 2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647, 100000, -100000} << none
        << QPoint(0, 0);
    QTest::newRow("partly off the screen") << QByteArray("1\r\n2\r\n3\r\n4\r\n-5\r\n-20\r\n")
                                           << Values{1, 2, 3, 4, -5, -20, 0, 0, 0, 0} << none << QPoint(-20, -5);
    QTest::newRow("forty digits") << QByteArray("1234567890123456789012345678901234567890\r\n") << before << notANumber
                                  << QPoint(7, 7);
    QTest::newRow("50 MB of digits") << QByteArray(50 << 20, '9') << before << notANumber << QPoint(7, 7);
    QTest::newRow("a sign alone") << QByteArray("5\r\n-\r\n") << Values{5, 7, 7, 7, 7, 7, 7, 7, 7, 7} << notANumber
                                  << QPoint(7, 7);
    QTest::newRow("signs") << QByteArray("+5\r\n-0\r\n+0\r\n-5\r\n") << Values{5, 0, 0, -5, 0, 0, 0, 0, 0, 0} << none
                           << QPoint(0, 0);
    QTest::newRow("Ctrl-Z right after a number") << QByteArray("12") + CtrlZ + "34\r\n56\r\n"
                                                 << Values{12, 0, 0, 0, 0, 0, 0, 0, 0, 0} << none << QPoint(0, 0);
    QTest::newRow("Ctrl-Z first") << CtrlZ + QByteArray("1\r\n") << before << none << QPoint(7, 7);
    QTest::newRow("a million lines") << QByteArray("1\r\n").repeated(1000000) << Values(10, 1) << none << QPoint(1, 1);
}

void TestRobust::damagedConf()
{
    QFETCH(QByteArray, content);
    QFETCH(Values, expected);
    QFETCH(QString, error);
    QFETCH(QPoint, plan1Place);
    TempCurrentDir dir;
    TempCurrentDir::write(ConfFileName, content);
    content.clear();
    const Files before = filesIn(dir.path());
    setSettings(Values(10, 7));

    QElapsedTimer timer;
    timer.start();
    {
        const TF_Main main; // its creation reads Conf.txt
    }
    QVERIFY2(timer.elapsed() < TimeBoundMs, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(DialogHooks::takeErrors(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(settings(), expected);
    QCOMPARE(filesIn(dir.path()), before);

    // Editors created with these settings stand where the user can reach them: a modal editor off every screen
    // would lock the program.
    const TF_Keikaku1 plan1;
    const TF_Keikaku2 plan2;
    const TF_Keikaku3 weekly;
    QCOMPARE(plan1.pos(), plan1Place);
    for (const QWidget *editor : QList<const QWidget *>{&plan1, &plan2, &weekly})
        QVERIFY2(onAScreen(editor->frameGeometry()), qPrintable(editor->objectName()));
    setSettings(Values(10, 0));
}

QTEST_MAIN(TestRobust)
#include "tst_robust.moc"
