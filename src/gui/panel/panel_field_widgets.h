#pragma once
// The five edit fields over the LCD as Qt widgets, children of the panel
// window: the editor (a QPlainTextEdit), the entry field and the two block
// lines (QLineEdits, the block lines read-only), the prompt (a QLabel). The
// core places them, fills them and reads them through the PanelFields port;
// what the student types is announced by `changed`, Return typed into the
// editor by `returnTyped`. Changes the core makes itself are not announced:
// the core knows of them, and the plain fields of runs without a window do
// not announce them either.
//
// Offsets are in characters (code points), lines are separated by "\n".

#include <QObject>
#include <array>

#include "core/panel/panel_ports.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace zan::gui {

class CEditorField;

class PanelFieldWidgets : public QObject, public PanelFields {
    Q_OBJECT
public:
    // The fields are created hidden, at (500, 500) with no size.
    explicit PanelFieldWidgets(QWidget* window);

    QWidget* Widget(FieldId id) const;
    // Window pixels a panel pixel: the fields stand and draw enlarged.
    void SetZoom(qreal zoom);
    CEditorField* editor() const { return editor_; }

    void Place(FieldId id, const Rect& rect) override;
    std::string Text(FieldId id) const override;
    void SetText(FieldId id, std::string_view text) override;
    void Focus(FieldId id) override;
    int LineCount(FieldId id) const override;
    std::string Line(FieldId id, int line) const override;
    int CaretLine(FieldId id) const override;
    Selection GetSelection(FieldId id) const override;
    void SetSelection(FieldId id, Selection selection) override;
    void ReplaceSelection(FieldId id, std::string_view text) override;
    void Scroll(FieldId id, int lines) override;

signals:
    void changed(zan::FieldId id);
    void returnTyped();

private:
    QLineEdit* LineField(FieldId id) const;
    void Announce(FieldId id);

    CEditorField* editor_;
    QLineEdit* entry_;
    QLabel* prompt_;
    std::array<QLineEdit*, 2> blockLines_;
    std::array<Rect, 5> places_{};  // panel pixels, by FieldId order of kAllFields
    qreal zoom_ = 1;
    Selection promptSelection_;  // a label has no selection of its own
    bool applying_ = false;      // the core is changing a field
};

}  // namespace zan::gui
