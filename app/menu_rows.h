#pragma once

#include "app/menu_table.h"
#include "document/apply_tag.h"

#include <span>

class QObject;
class TMainForm;
class TMDIChild;

using MainCommand = void (TMainForm::*)(QObject *sender);

// The main window's menus, in menu bar order: File (shown only while no
// document window is active), Option, Window, Help.
std::span<const MenuRow<MainCommand>> mainMenuRows();
// A document window's menus: File, Edit, Tag, Tool.
std::span<const MenuRow<DocumentCommand>> documentMenuRows();
