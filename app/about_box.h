#pragma once

#include <QDialog>

class QPushButton;

// The version box of the Help menu.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QPushButton *OKBtn;
};
