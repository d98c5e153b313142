#include "window/projectpanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillet {

namespace {

template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

ProjectPanel::ProjectPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FrmProject"));
    setupControls();
    setupLayout();
    connectControls();
}

void ProjectPanel::connectControls()
{
    connect(CmbName, &QComboBox::editTextChanged, this, &ProjectPanel::nameEdited);
    connect(CmbName, &QComboBox::activated, this, &ProjectPanel::namePicked);
    connect(CodEncode, &QPushButton::clicked, this, &ProjectPanel::convertClicked);
    connect(CmdDecode, &QPushButton::clicked, this, &ProjectPanel::restoreClicked);
    connect(CmdClear, &QPushButton::clicked, this, &ProjectPanel::clearClicked);
    connect(CmdLineDel, &QPushButton::clicked, this, &ProjectPanel::removeLinesClicked);
}

QString ProjectPanel::name() const
{
    return CmbName->currentText();
}

void ProjectPanel::setName(const QString& name)
{
    CmbName->setEditText(name);
}

QStringList ProjectPanel::names() const
{
    QStringList result;
    for (int i = 0; i < CmbName->count(); ++i)
        result.append(CmbName->itemText(i));
    return result;
}

void ProjectPanel::setNames(const QStringList& names)
{
    CmbName->clear();
    CmbName->addItems(names);
    if (!names.isEmpty())
        CmbName->setEditText(names.first());
}

void ProjectPanel::replaceNamesQuietly(const QStringList& names)
{
    const QSignalBlocker blocker(CmbName);
    const QString shown = CmbName->currentText();
    CmbName->clear();
    CmbName->addItems(names);
    CmbName->setEditText(shown);
}

QString ProjectPanel::tag() const
{
    return TxtTag->text();
}

void ProjectPanel::setTag(const QString& tag)
{
    TxtTag->setText(tag);
}

void ProjectPanel::setupControls()
{
    CmbName = named(new QComboBox(this), "CmbName");
    CmbName->setEditable(true);
    // A typed name stays as typed: Enter adds nothing to the list and nothing completes it.
    CmbName->setInsertPolicy(QComboBox::NoInsert);
    CmbName->setCompleter(nullptr);
    CmbName->setMinimumContentsLength(10);
    CmbName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    TxtTag = named(new QLineEdit(this), "TxtTag");
    TxtTag->setMinimumWidth(96);

    CodEncode = named(new QPushButton(tr("変換"), this), "CodEncode");
    CmdDecode = named(new QPushButton(tr("戻す"), this), "CmdDecode");
    CmdClear = named(new QPushButton(tr("クリア"), this), "CmdClear");
    CmdLineDel = named(new QPushButton(tr("選択行の削除"), this), "CmdLineDel");
    CodEncode->setToolTip(tr("メニューを置き換え文字に変換します"));
    CmdDecode->setToolTip(tr("置き換え文字をメニューに戻します"));
}

void ProjectPanel::setupLayout()
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("プロジェクト名"), this));
    layout->addWidget(CmbName, 2);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("置き換え文字"), this));
    layout->addWidget(TxtTag, 2);
    layout->addSpacing(8);
    layout->addWidget(CodEncode);
    layout->addWidget(CmdDecode);
    layout->addWidget(CmdClear);
    layout->addStretch(1);
    layout->addWidget(CmdLineDel);
}

} // namespace quillet
