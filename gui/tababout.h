// The About page: product name, credits, the maker's line and contacts.
#pragma once

#include <QWidget>

class QLabel;

class TabAbout : public QWidget {
    Q_OBJECT
public:
    explicit TabAbout(QWidget *parent = nullptr);

    QLabel *creditsLabel;
    QLabel *productLabel;
    QLabel *copyrightLabel;
    QLabel *webLabel;
    QLabel *forumLabel;
    QLabel *emailLabel;
};
