#include "gui/tababout.h"

#include "gui/about_info.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString link(const QString &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

TabAbout::TabAbout(QWidget *parent)
    : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    setWindowTitle(tr("About"));

    auto *group = new QGroupBox(tr("Varno Cartridge Driver/Zuvava"), this);
    auto *groupLayout = new QVBoxLayout(group);

    const QString credits = tr("* Squirrel 3.1 stable") + tr(about::kSquirrelNotice) + tr("\n\n")
        + tr("* Qt ") + QString::fromLatin1(about::kToolkitVersion) + tr(about::kToolkitNotice);
    creditsLabel = new QLabel(credits, group);
    creditsLabel->setTextFormat(Qt::PlainText);
    groupLayout->addWidget(creditsLabel);

    productLabel = new QLabel(tr("Varno Cartridge Zuvava"), group);
    groupLayout->addWidget(productLabel);

    copyrightLabel = new QLabel(QString::fromUtf8(about::kMakerCopyright), group);
    copyrightLabel->setTextFormat(Qt::PlainText);
    groupLayout->addWidget(copyrightLabel);

    const QString web = QString::fromLatin1(about::kWebSite);
    const QString forum = QString::fromLatin1(about::kSupportForum);
    const QString email = QString::fromLatin1(about::kSupportEmail);

    webLabel = new QLabel(tr("Web site: ").toHtmlEscaped() + link(web, web), group);
    forumLabel = new QLabel(tr("Support BBS : ").toHtmlEscaped() + link(forum, forum), group);
    webLabel->setTextFormat(Qt::RichText);
    forumLabel->setTextFormat(Qt::RichText);
    webLabel->setOpenExternalLinks(true);
    forumLabel->setOpenExternalLinks(true);
    groupLayout->addWidget(webLabel);
    groupLayout->addWidget(forumLabel);

    emailLabel = new QLabel(tr("Email: ").toHtmlEscaped()
                                + link(QStringLiteral("mailto:") + email, email), group);
    emailLabel->setTextFormat(Qt::RichText);
    emailLabel->setOpenExternalLinks(true);
    groupLayout->addWidget(emailLabel);

    groupLayout->addStretch();
    outer->addWidget(group);
}
