// SPDX-License-Identifier: MIT
// The About window frmAbout: its fixed layout, and its caption set on every load.

#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace zamut {

// The fixed About window. One instance lives for the whole run; its window is
// loaded (caption set, placed, shown) and unloaded any number of times.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // applicationTitle goes into the caption; iconPicture is card picture 9.
    frmAbout(QString applicationTitle, QPixmap iconPicture);

    // The About command: loads and shows the window if it is not open,
    // otherwise brings the open window to the front without loading it again.
    void showModeless();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Load();

    const QString applicationTitle_;
    QFrame* picIcon;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};

} // namespace zamut
