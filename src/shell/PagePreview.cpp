#include "PagePreview.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QToolBar>

namespace {

QSet<const Report *> &reportsInPreview()
{
    static QSet<const Report *> reports;
    return reports;
}

std::function<void(const Report &)> &standIn()
{
    static std::function<void(const Report &)> function;
    return function;
}

} // namespace

std::unique_ptr<QPrintPreviewDialog> createPreviewDialog(const Report &report, QWidget *parent)
{
    // The whole paper is the page: the renderer places the margins itself.
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setFullPage(true);
    printer->setCopyCount(1);
    printer->setDuplex(QPrinter::DuplexNone);

    auto dialog = std::make_unique<QPrintPreviewDialog>(printer, parent);
    QObject::connect(dialog.get(), &QObject::destroyed, [printer] { delete printer; });
    // The page as it is now: what the window shows, prints and saves.
    const auto page = std::make_shared<const Report>(report);
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(), [page](QPrinter *target) {
        QPainter painter(target);
        renderReport(*page, painter);
    });

    auto *save = new QAction(QStringLiteral("PDF保存"), dialog.get());
    save->setObjectName(QStringLiteral("PdfSave"));
    QToolBar *toolBar = dialog->findChild<QToolBar *>();
    toolBar->addSeparator();
    toolBar->addAction(save);
    QObject::connect(save, &QAction::triggered, dialog.get(), [page, window = dialog.get()] {
        guardEvent([&] {
            const QString fileName = chooseSaveFileName(window, PdfSaveDialog);
            if (!fileName.isEmpty())
                saveReportPdf(*page, fileName);
        });
    });
    return dialog;
}

void showPreview(const Report &report)
{
    QSet<const Report *> &open = reportsInPreview();
    if (open.contains(&report))
        return;
    open.insert(&report);
    const auto closed = qScopeGuard([&] { open.remove(&report); });

    if (standIn()) {
        standIn()(report);
        return;
    }
    const std::unique_ptr<QPrintPreviewDialog> dialog = createPreviewDialog(report, QApplication::activeWindow());
    // Large enough to read the whole page at once.
    dialog->resize(dialog->screen()->availableSize() * 4 / 5);
    QEventLoop loop;
    QObject::connect(dialog.get(), &QDialog::finished, &loop, &QEventLoop::quit);
    dialog->show();
    loop.exec();
}

namespace PreviewHooks {

void setStandIn(std::function<void(const Report &)> function)
{
    standIn() = std::move(function);
}

} // namespace PreviewHooks
