#include "window/previewtoolbar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace quillet {

PreviewToolbar::PreviewToolbar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FrmHtml"));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo1->setMinimumContentsLength(30);

    CmdComInsert = new QPushButton(tr("メニュー文字の設定"), this);
    CmdComInsert->setObjectName(QStringLiteral("CmdComInsert"));
    CmdFileSave = new QPushButton(tr("保存"), this);
    CmdFileSave->setObjectName(QStringLiteral("CmdFileSave"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(Combo1, 1);
    layout->addWidget(CmdComInsert);
    layout->addWidget(CmdFileSave);

    connect(Combo1, &QComboBox::editTextChanged, this, &PreviewToolbar::chosenPathEdited);
    connect(Combo1, &QComboBox::activated, this, &PreviewToolbar::chosenPathPicked);
    connect(CmdComInsert, &QPushButton::clicked, this, &PreviewToolbar::menuFromSelectionClicked);
    connect(CmdFileSave, &QPushButton::clicked, this, &PreviewToolbar::saveSourceClicked);
}

QString PreviewToolbar::chosenPath() const
{
    return Combo1->currentText();
}

void PreviewToolbar::choosePath(const QString& path)
{
    Combo1->setEditText(path);
}

void PreviewToolbar::setChoices(const QStringList& paths)
{
    Combo1->clear();
    Combo1->addItems(paths);
}

void PreviewToolbar::clearChoices()
{
    Combo1->clear();
    Combo1->clearEditText();
}

void PreviewToolbar::setMenuFromSelectionEnabled(bool enabled)
{
    CmdComInsert->setEnabled(enabled);
}

} // namespace quillet
