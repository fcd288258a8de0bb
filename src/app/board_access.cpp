#include "app/board_access.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/board_view.hpp"
#include "game/notation.hpp"
#include "game/spoken.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "window/form.hpp"

namespace velmora::app {

namespace {

QString to_q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

class BoardAccessible;

// Whether the bottom side is sente, the side that moves first: it is until a
// game says otherwise.
bool bottom_is_sente(const Form1& f) { return f.game.TEBAN == TEBAN_NASI || f.game.MAN_TEBAN == TEBAN_SENTE; }

// A part of the board that is no widget of its own: a square, a stand, a
// piece held, a text. Its parent answers for it.
class Part : public QAccessibleInterface {
 public:
  Part(BoardAccessible* board, QAccessibleInterface* parent) : board_(board), parent_(parent) {}
  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    return s;
  }

 protected:
  BoardAccessible* board_;
  QAccessibleInterface* parent_;
};

// A text of the board: whose turn, the move number, the clocks, the move list.
class TextPart final : public Part {
 public:
  enum Kind { Turn, MoveNumber, Clocks, Moves };
  TextPart(BoardAccessible* board, QAccessibleInterface* parent, Kind kind)
      : Part(board, parent), kind_(kind) {}
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::StaticText; }

 private:
  Kind kind_;
};

class TablePart;

// One square of the table.
class CellPart final : public Part, public QAccessibleTableCellInterface {
 public:
  CellPart(BoardAccessible* board, TablePart* table, int x, int y);
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }
  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return x_ - 1; }
  int rowIndex() const override { return y_ - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

 private:
  int x_, y_;
};

// The 81 squares: rows from the top, columns from the left as drawn.
class TablePart final : public Part, public QAccessibleTableInterface {
 public:
  TablePart(BoardAccessible* board, QAccessibleInterface* parent) : Part(board, parent) {
    for (int y = 1; y <= BAN_MAX; ++y)
      for (int x = 1; x <= BAN_MAX; ++x) cells_[index(x, y)] = new CellPart(board, this, x, y);
  }
  static int index(int x, int y) { return (y - 1) * BAN_MAX + (x - 1); }
  CellPart* cell(int x, int y) const { return cells_[index(x, y)]; }
  const std::array<CellPart*, 81>& cells() const { return cells_; }

  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessibleInterface* child(int i) const override {
    return i >= 0 && i < int(cells_.size()) ? cells_[i] : nullptr;
  }
  int childCount() const override { return int(cells_.size()); }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (std::size_t i = 0; i < cells_.size(); ++i)
      if (cells_[i] == c) return int(i);
    return -1;
  }
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
  }
  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return row >= 0 && row < BAN_MAX && column >= 0 && column < BAN_MAX ? cell(column + 1, row + 1) : nullptr;
  }
  int columnCount() const override { return BAN_MAX; }
  int rowCount() const override { return BAN_MAX; }
  int selectedCellCount() const override { return 0; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  std::array<CellPart*, 81> cells_{};  // the board's to delete
};

// A kind of piece held on a stand.
class HeldPart final : public Part {
 public:
  HeldPart(BoardAccessible* board, QAccessibleInterface* parent, bool bottom, int slot)
      : Part(board, parent), bottom_(bottom), slot_(slot) {}
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  int slot() const { return slot_; }

 private:
  bool bottom_;
  int slot_;
};

// A side's stand: a list of the kinds it holds.
class StandPart final : public Part {
 public:
  StandPart(BoardAccessible* board, QAccessibleInterface* parent, bool bottom)
      : Part(board, parent), bottom_(bottom) {
    for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) slots_[slot] = new HeldPart(board, this, bottom, slot);
  }
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::List; }
  // The kinds held, in the order of their slots.
  std::vector<int> held() const;
  QAccessibleInterface* child(int i) const override {
    const std::vector<int> h = held();
    return i >= 0 && i < int(h.size()) ? slots_[h[i]] : nullptr;
  }
  int childCount() const override { return int(held().size()); }
  int indexOfChild(const QAccessibleInterface* c) const override {
    const std::vector<int> h = held();
    for (std::size_t i = 0; i < h.size(); ++i)
      if (slots_[h[i]] == c) return int(i);
    return -1;
  }
  QAccessibleInterface* focusChild() const override;
  HeldPart* slot(int s) const { return slots_[s]; }

 private:
  bool bottom_;
  std::array<HeldPart*, 8> slots_{};  // the board's to delete
};

// The board view: the table, the two stands and the texts, then its widgets.
class BoardAccessible final : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Pane) {
    table_ = new TablePart(this, this);
    bottom_ = new StandPart(this, this, true);
    top_ = new StandPart(this, this, false);
    for (int k = 0; k < 4; ++k) texts_[k] = new TextPart(this, this, TextPart::Kind(k));
    parts_ = {table_, bottom_, top_, texts_[0], texts_[1], texts_[2], texts_[3]};
    // Every part is given to the cache, which names it to a screen reader
    // by its id and deletes it when asked to.
    std::vector<QAccessibleInterface*> all(parts_);
    all.insert(all.end(), table_->cells().begin(), table_->cells().end());
    for (StandPart* stand : {bottom_, top_})
      for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) all.push_back(stand->slot(slot));
    for (QAccessibleInterface* part : all) ids_.push_back(QAccessible::registerAccessibleInterface(part));
  }
  ~BoardAccessible() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  BoardView* view() const { return static_cast<BoardView*>(widget()); }
  const Form1* game() const { return view()->game(); }
  const 言語* language() const { return game() ? &game()->lang : nullptr; }

  QString text(QAccessible::Text t) const override {
    // TRANSLATORS: the board as a screen reader names it.
    if (t == QAccessible::Name && language()) return to_q(velmora::tr(*language(), "将棋盤"));
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return int(parts_.size()) + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int i) const override {
    if (i >= 0 && i < int(parts_.size())) return parts_[i];
    return QAccessibleWidget::child(i - int(parts_.size()));
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (std::size_t i = 0; i < parts_.size(); ++i)
      if (parts_[i] == c) return int(i);
    const int w = QAccessibleWidget::indexOfChild(c);
    return w < 0 ? -1 : w + int(parts_.size());
  }
  QAccessibleInterface* focusChild() const override {
    if (!view()->hasFocus()) return QAccessibleWidget::focusChild();
    return focused();
  }

  // The part under the keyboard's cursor: a cell, a piece held, or a stand holding nothing.
  QAccessibleInterface* focused() const {
    const std::optional<QPoint> c = view()->cursor_cell();
    if (!c) return nullptr;
    if (盤内(c->x(), c->y())) return table_->cell(c->x(), c->y());
    const bool bottom = c->x() == SITA_DAI;
    StandPart* stand = bottom ? bottom_ : top_;
    const int slot = bottom ? c->y() - 2 : 敵持盤の行(c->y());
    if (slot < MOTI_HU || slot > MOTI_SYA || !game()) return nullptr;
    const 持駒& hand = bottom ? game()->pos.SITA_MOTI : game()->pos.UE_MOTI;
    return hand[slot] > 0 ? static_cast<QAccessibleInterface*>(stand->slot(slot)) : stand;
  }

  // Tells what changed since last time: each part whose name changed, and the focus.
  void refresh() {
    auto tell = [&](QAccessibleInterface* part, QString& before) {
      const QString now = part->text(QAccessible::Name);
      if (now == before) return;
      before = now;
      QAccessibleEvent e(part, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&e);
    };
    for (int y = 1; y <= BAN_MAX; ++y)
      for (int x = 1; x <= BAN_MAX; ++x) tell(table_->cell(x, y), names_[TablePart::index(x, y)]);
    tell(bottom_, names_[81]);
    tell(top_, names_[82]);
    for (int k = 0; k < 4; ++k) tell(texts_[k], names_[83 + k]);
    QAccessibleInterface* now = view()->hasFocus() ? focused() : nullptr;
    if (now && now != focus_) {
      QAccessibleEvent e(now, QAccessible::Focus);
      QAccessible::updateAccessibility(&e);
    }
    focus_ = now;
  }

  TablePart* table() const { return table_; }

 private:
  TablePart* table_;
  StandPart *bottom_, *top_;
  std::array<TextPart*, 4> texts_;
  std::vector<QAccessibleInterface*> parts_;  // the children before the view's widgets
  std::vector<QAccessible::Id> ids_;          // of every part
  std::array<QString, 87> names_;
  QAccessibleInterface* focus_ = nullptr;
};

QWindow* Part::window() const { return board_->window(); }

// Screen coordinates of a cell of the window's picture (column, row; fractions allowed).
QRect screen_rect(const BoardAccessible* b, double x, double y, double w, double h) {
  const QRect r = b->view()->to_logical(QRectF(座標_左(x), 座標_上(y), w * MASU_W, h * MASU_H));
  return QRect(b->view()->mapToGlobal(r.topLeft()), r.size());
}

CellPart::CellPart(BoardAccessible* board, TablePart* table, int x, int y)
    : Part(board, table), x_(x), y_(y) {}

QString CellPart::text(QAccessible::Text t) const {
  const Form1* f = board_->game();
  if (t != QAccessible::Name || !f) return {};
  return to_q(升の読み上げ(f->lang, f->pos, x_, y_, bottom_is_sente(*f)));
}
QRect CellPart::rect() const { return screen_rect(board_, x_, y_, 1, 1); }
QAccessible::State CellPart::state() const {
  QAccessible::State s = Part::state();
  s.focusable = true;
  s.focused = board_->view()->hasFocus() && board_->focused() == this;
  return s;
}
QAccessibleInterface* CellPart::table() const { return board_->table(); }

QString TablePart::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !board_->language()) return {};
  return board_->text(QAccessible::Name);
}
QRect TablePart::rect() const { return screen_rect(board_, 1, 1, 9, 9); }
QAccessibleInterface* TablePart::focusChild() const {
  QAccessibleInterface* f = board_->focused();
  return f && f->parent() == this ? f : nullptr;
}
QString TablePart::columnDescription(int column) const {
  return board_->language() ? to_q(升の表記(*board_->language(), column + 1, 1)).left(1) : QString();
}
QString TablePart::rowDescription(int row) const {
  return board_->language() ? to_q(升の表記(*board_->language(), 1, row + 1)).mid(1) : QString();
}

std::vector<int> StandPart::held() const {
  std::vector<int> out;
  const Form1* f = board_->game();
  if (!f) return out;
  const 持駒& hand = bottom_ ? f->pos.SITA_MOTI : f->pos.UE_MOTI;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot)
    if (hand[slot] > 0) out.push_back(slot);
  return out;
}
QString StandPart::text(QAccessible::Text t) const {
  const Form1* f = board_->game();
  if (t != QAccessible::Name || !f) return {};
  const 持駒& hand = bottom_ ? f->pos.SITA_MOTI : f->pos.UE_MOTI;
  return to_q(持駒一覧の読み上げ(f->lang, hand, bottom_ == bottom_is_sente(*f)));
}
QRect StandPart::rect() const {
  return bottom_ ? screen_rect(board_, SITA_DAI, 3, 1, 7) : screen_rect(board_, UE_DAI, 1, 1, 7);
}
QAccessibleInterface* StandPart::focusChild() const {
  QAccessibleInterface* f = board_->focused();
  return f && f->parent() == this ? f : nullptr;
}

QString HeldPart::text(QAccessible::Text t) const {
  const Form1* f = board_->game();
  if (t != QAccessible::Name || !f) return {};
  const 持駒& hand = bottom_ ? f->pos.SITA_MOTI : f->pos.UE_MOTI;
  return to_q(持駒の読み上げ(f->lang, slot_, hand[slot_]));
}
QRect HeldPart::rect() const {
  return bottom_ ? screen_rect(board_, SITA_DAI, slot_ + 2, 1, 1)
                 : screen_rect(board_, UE_DAI, 敵持盤の行(slot_), 1, 1);
}
QAccessible::State HeldPart::state() const {
  QAccessible::State s = Part::state();
  s.focusable = true;
  s.focused = board_->view()->hasFocus() && board_->focused() == this;
  return s;
}

QString TextPart::text(QAccessible::Text t) const {
  const Form1* f = board_->game();
  if (t != QAccessible::Name || !f) return {};
  const 言語& l = f->lang;
  switch (kind_) {
    case Turn:
      if (f->game.SYOUSYA != 0 || f->game.TEBAN == TEBAN_NASI)
        // TRANSLATORS: whose turn it is, as a screen reader reads it, while no game is played.
        return to_q(tr(l, "対局中ではありません"));
      // TRANSLATORS: whose turn it is, as a screen reader reads it.
      return to_q(差込(tr(l, "{側}の番"), {{"側", 側の読み上げ(l, f->game.TEBAN == TEBAN_SENTE)}}));
    case MoveNumber:
      // TRANSLATORS: the move counter as a screen reader reads it.
      return to_q(差込(tr(l, "{手}手目"), {{"手", std::to_string(f->game.TESUU_HYOJI)}}));
    case Clocks: {
      const bool bottom_first = bottom_is_sente(*f);
      const double sente = bottom_first ? f->clock.MAN_JIKAN : f->clock.COM_JIKAN;
      const double gote = bottom_first ? f->clock.COM_JIKAN : f->clock.MAN_JIKAN;
      // TRANSLATORS: both sides' thinking time as a screen reader reads it.
      return to_q(差込(tr(l, "{先手} {先手の時間}、{後手} {後手の時間}"),
                       {{"先手", 側の読み上げ(l, true)},
                        {"先手の時間", 調査_時間秒追加結果(sente)},
                        {"後手", 側の読み上げ(l, false)},
                        {"後手の時間", 調査_時間秒追加結果(gote)}}));
    }
    case Moves: {
      QStringList lines;
      for (const auto& line : board_->view()->move_lines())
        lines << to_q(line.number + " " + line.move + line.mirror).trimmed();
      // TRANSLATORS: the move list as a screen reader names it when it is empty.
      if (lines.isEmpty()) return to_q(tr(l, "指し手はまだありません"));
      return lines.join(QLatin1Char('\n'));
    }
  }
  return {};
}
QRect TextPart::rect() const {
  switch (kind_) {
    case Moves:
      return QRect(board_->view()->mapToGlobal(board_->view()->move_list_rect().topLeft()),
                   board_->view()->move_list_rect().size());
    default: return screen_rect(board_, 12, 2 + kind_, 3, 1);
  }
}

class AnnouncerAccessible final : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
  if (key == QLatin1String("velmora::app::BoardView"))
    return new BoardAccessible(static_cast<BoardView*>(object));
  if (key == QLatin1String("velmora::app::Announcer"))
    return new AnnouncerAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void install_board_accessibility() { QAccessible::installFactory(factory); }

void set_accessible_game(BoardView* view, const Form1* form) { view->set_game(form); }

void board_changed(BoardView* view) {
  if (!QAccessible::isActive()) return;
  if (auto* b = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view))) b->refresh();
}

Announcer::Announcer(QWidget* parent) : QLabel(parent) {
  setObjectName("Announcement");
  setGeometry(0, 0, 1, 1);
}

void Announcer::announce(const QString& text) {
  setText(text);
  QAccessibleEvent e(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&e);
}

}  // namespace velmora::app
