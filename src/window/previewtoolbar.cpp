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

    CmdComInsert = new QPushButton(QStringLiteral("メニュー文字の設定"), this);
    CmdComInsert->setObjectName(QStringLiteral("CmdComInsert"));
    CmdFileSave = new QPushButton(QStringLiteral("保存"), this);
    CmdFileSave->setObjectName(QStringLiteral("CmdFileSave"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(Combo1, 1);
    layout->addWidget(CmdComInsert);
    layout->addWidget(CmdFileSave);
}

} // namespace quillet
