// The main window: the bar of console buttons above the operation and
// About tabs.
#pragma once

#include <QDialog>
#include <QVector>

class QTabWidget;
class QToolButton;
class TabAbout;
class TabGui;

class TabDialog : public QDialog {
    Q_OBJECT
public:
    explicit TabDialog(QWidget *parent = nullptr);

    QVector<QToolButton *> consoleButtons;   // one per family, in registry order
    QTabWidget *tabs;
    TabGui *tabGui;
    TabAbout *tabAbout;

public slots:
    void select_zuvava();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
