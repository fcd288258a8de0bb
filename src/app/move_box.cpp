#include "app/move_box.hpp"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "app/board_view.hpp"
#include "app/pictures.hpp"
#include "view/drawing.hpp"

namespace velmora::app {

namespace {

QString to_q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Where the box stands, in twips: below the board's bottom row, as wide as the board.
const QRectF kBox(BAN_LEFT, BAN_TOP + MASU_H * 10 + 60, MASU_W * 9, 1300);

}  // namespace

MoveBox::MoveBox(BoardView* view, const velmora::言語& lang) : QFrame(view), view_(view), lang_(lang) {
  setObjectName("MoveBox");
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  prompt_ = new QLabel(this);
  prompt_->setObjectName("MoveBoxPrompt");
  line_ = new QLineEdit(this);
  line_->setObjectName("MoveBoxLine");
  line_->setMaxLength(40);
  prompt_->setBuddy(line_);
  reason_ = new QLabel(this);
  reason_->setObjectName("MoveBoxReason");
  reason_->setWordWrap(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(prompt_, 0, 0);
  grid->addWidget(line_, 0, 1);
  grid->addWidget(reason_, 1, 0, 1, 2);
  connect(line_, &QLineEdit::returnPressed, this, [this] { emit submitted(line_->text()); });
  connect(view_, &BoardView::layoutChanged, this, &MoveBox::place);
  caption();
  hide();
}

void MoveBox::caption() {
  // TRANSLATORS: the label of the box a move is typed in.
  prompt_->setText(to_q(velmora::tr(lang_, "指し手:")));
  // TRANSLATORS: the examples shown in the empty box a move is typed in.
  line_->setPlaceholderText(to_q(velmora::tr(lang_, "例: ７六歩、76歩、P-7f、7g7f")));
  line_->setAccessibleName(to_q(velmora::tr(lang_, "指し手の入力")));
  setAccessibleName(line_->accessibleName());
}

void MoveBox::place() {
  const QFont font = window_font(int(std::lround(10 * 20 / 15.0 * view_->scale())));
  for (QWidget* w : std::initializer_list<QWidget*>{prompt_, line_, reason_}) w->setFont(font);
  const QRect r = view_->to_logical(kBox);
  setGeometry(r.x(), r.y(), r.width(), std::max(r.height(), sizeHint().height()));
}

void MoveBox::open() {
  reason_->clear();
  reason_->hide();
  line_->clear();
  place();
  show();
  raise();
  line_->setFocus(Qt::ShortcutFocusReason);
}

void MoveBox::close_box() {
  hide();
  view_->setFocus(Qt::OtherFocusReason);
}

void MoveBox::refuse(const QString& reason) {
  reason_->setText(reason);
  reason_->show();
  line_->setAccessibleDescription(reason);
  line_->selectAll();
  line_->setFocus(Qt::OtherFocusReason);
}

void MoveBox::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close_box();
    return;
  }
  QFrame::keyPressEvent(e);
}

}  // namespace velmora::app
