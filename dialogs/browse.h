#pragma once

#include <QString>
#include <optional>

class QWidget;

enum class NameCase { Keep, Lower };

// The browse buttons of the attribute dialogs: the file-open dialog with
// `filter`, then only the chosen file's name, without its folder (pages
// name files beside themselves). nullopt when cancelled.
std::optional<QString> browseFileName(QWidget *parent, const QString &filter, NameCase nameCase);
