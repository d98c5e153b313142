#include "window/frmabout.h"

#include "appversion.h"
#include "project/projectlocation.h"
#include "window/windowdialogs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillet {

namespace {

// 5865 by 3630 twips at 15 twips a pixel.
constexpr QSize clientSize(391, 242);

QLabel* newLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString noticeLines()
{
    return QCoreApplication::translate("quillet::frmAbout",
                                       "Copyright (C) 2026 クイレットの開発者\n"
                                       "GNU GPL バージョン 3 以降で再配布・改変できる\n"
                                       "フリーソフトウェアです。保証はありません。");
}

} // namespace

frmAbout::frmAbout(WindowDialogs& dialogs, const QString& projectFile, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報 クイレット"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_DeleteOnClose);
    setupLabels(projectFile);
    setupButtons();
    setupLayout();
    setFixedSize(clientSize);
}

void frmAbout::setupLabels(const QString& projectFile)
{
    lblTitle = newLabel("lblTitle", tr("クイレット"), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = newLabel("lblVersion", tr("ﾊﾞｰｼﾞｮﾝ %1").arg(QLatin1String(appVersion)), this);
    lblDescription = newLabel("lblDescription",
                              QStringLiteral("\u3000\u3000  ") + tr("HTML テキストエディター") +
                                  QStringLiteral("  "),
                              this);
    lblDisclaimer = newLabel("lblDisclaimer", noticeLines(), this);
    // The program has no home page yet: its address fields stay empty and hidden.
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->hide();
    Label1 = newLabel("Label1", QString(), this);
    Label1->hide();
    // An installed program keeps its projects in the user's folder: say which file is in use.
    lblProjectFile = newLabel("lblProjectFile", projectFileCaption(projectFile), this);
    lblProjectFile->setWordWrap(true);
    lblProjectFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void frmAbout::setupButtons()
{
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    cmdSysInfo = new QPushButton(tr("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::setupLayout()
{
    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addWidget(lblDescription);
    text->addStretch(1);
    text->addWidget(lblDisclaimer);
    text->addWidget(Text1);
    text->addWidget(Label1);
    text->addWidget(lblProjectFile);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);

    auto* outer = new QHBoxLayout(this);
    outer->addLayout(text, 1);
    outer->addLayout(buttons);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

// This platform has neither the registry that names the tool nor the tool itself.
void frmAbout::StartSysInfo()
{
    m_dialogs.showMessage({QString(), tr("現時点ではｼｽﾃﾑ情報を使用できません")});
}

} // namespace quillet
