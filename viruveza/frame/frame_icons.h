#pragma once
// The icons of the main window, drawn at run time.

#include <QIcon>

namespace doz::frame {

enum class FrameIcon {
    Program,
    New,
    Open,
    Save,
    SaveAll,
    ExportExcel,
    ExportCsv,
    Print,
    PrintPreview,
    About,
    NoSource,
    CodeSource,
    Card,
    Operation,
    Parameter,
};

QIcon frameIcon(FrameIcon icon);

} // namespace doz::frame
