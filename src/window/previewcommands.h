#pragma once

#include <QObject>

namespace quillet {

struct WindowParts;

// The preview of one file: the chooser over the source and web views, and what they show.
class PreviewCommands : public QObject
{
    Q_OBJECT
public:
    PreviewCommands(WindowParts& parts, QObject* parent);

    void FillPreviewList();
    void ShowPreview();

private:
    void connectControls();
    void Combo1_Change();
    void Combo1_Click();
    void RTB1_OLEDragDrop(const QStringList& paths);

    WindowParts& m_parts;
};

} // namespace quillet
