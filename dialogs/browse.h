#pragma once

#include <QString>
#include <optional>

class QWidget;

enum class NameCase { Keep, Lower };

// The filters of the browse buttons.
inline constexpr char16_t htmlFileFilter[] = u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*";
inline constexpr char16_t gifFileFilter[] = u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|全てのﾌｧｲﾙ(*.*)|*.*";
inline constexpr char16_t pictureFileFilter[] =
    u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG|全てのﾌｧｲﾙ(*.*)|*.*";

// The browse buttons of the attribute dialogs: the file-open dialog with
// `filter`, then only the chosen file's name, without its folder (pages
// name files beside themselves). nullopt when cancelled.
std::optional<QString> browseFileName(QWidget *parent, const QString &filter, NameCase nameCase);
