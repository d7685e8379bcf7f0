#include "gui/panel/second_panel_dlg.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/panel/key_table.h"
#include "gui/panel/key_button.h"
#include "gui/panel/key_faces.h"

namespace zan::gui {

namespace {
const QColor kPadOrange(246, 192, 107);
}  // namespace

CSecondPanelDlg::CSecondPanelDlg(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("第二控制面板"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kOpenSize);
    createKeys();
}

// The pad's keys carry no lamps: the panel lights its own keys only.
void CSecondPanelDlg::createKeys()
{
    for (const PadKeyInfo& info : SecondPadKeys()) {
        // The pad key's face and code are the panel key's own.
        const KeyInfo& row = *FindKey(info.id);
        auto* key = new CKeyButton(info.id, KeyFacePicture(row.face, KeyRect(info.place).size()), false, this);
        key->Place(KeyRect(info.place));
        const char code = row.code;
        connect(key, &CKeyButton::down, this, [this, code] { emit keyCode(code); });
        connect(key, &CKeyButton::up, this, [this, code, jog = IsJogKey(info.id)] { emit keyCode(jog ? kJogRelease : code); });
        keys_.push_back(key);
    }
}

void CSecondPanelDlg::SetZoom(qreal zoom)
{
    if (zoom == zoom_) return;
    const QSizeF inside = QSizeF(size()) / zoom_;
    zoom_ = zoom;
    for (CKeyButton* key : keys_) key->SetZoom(zoom_);
    resize((inside * zoom_).toSize());
    update();
}

CKeyButton* CSecondPanelDlg::Key(KeyId id) const
{
    for (CKeyButton* key : keys_)
        if (key->id() == id) return key;
    return nullptr;
}

void CSecondPanelDlg::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), kPadOrange);
}

}  // namespace zan::gui
