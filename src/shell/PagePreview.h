#pragma once

// The print preview from which a report is printed: the page at a zoom that fits the whole page, at 100 % or at
// the page's width, printing through the print dialog on a chosen printer, and "PDF保存", which saves the page
// as a PDF file.

#include "PageModel.h"
#include "platform/Dialogs.h"

#include <QPrintPreviewDialog>
#include <functional>
#include <memory>

// The save dialog of "PDF保存".
inline const FileDialogOptions PdfSaveDialog{QStringLiteral("PDFファイル|*.pdf"), QStringLiteral("pdf")};

// Shows the report in its preview and returns when the preview is closed; the other windows stay usable
// meanwhile. While the report's preview is open, a further call returns at once and opens no second preview.
void showPreview(const Report &report);

// The preview window of the page as the report holds it now, not yet shown: what it prints and saves is what it
// shows, even when the report is filled again while it is open.
std::unique_ptr<QPrintPreviewDialog> createPreviewDialog(const Report &report, QWidget *parent);

namespace PreviewHooks {
// Tests: no preview is shown; standIn is called in its place, while the report counts as being previewed.
void setStandIn(std::function<void(const Report &)> standIn);
} // namespace PreviewHooks
