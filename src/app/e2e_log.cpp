#include "app/e2e_log.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

#include "app/board_view.hpp"
#include "app/main_window.hpp"
#include "app/record_panel.hpp"

namespace velmora::app {

namespace {

class E2eLog final : public QObject {
 public:
  E2eLog(MainWindow& w, const QString& path) : QObject(&w), window_(w), file_(path) {
    file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    qApp->installEventFilter(this);
    connect(&w, &MainWindow::handled, this, [this] {
      on_screen();
      line(QStringLiteral("idle %1").arg(++handled_));
    });
    // Once the new layout is painted.
    connect(w.view(), &BoardView::layoutChanged, this, [this] {
      QTimer::singleShot(0, this, [this] {
        if (window_.isVisible()) describe_view();
      });
    });
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::FocusIn && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
      const QString name = watched->objectName();
      line(QStringLiteral("focus %1").arg(name.isEmpty() ? QStringLiteral("-") : name));
    } else if (e->type() == QEvent::Show && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      // Once shown and laid out.
      QTimer::singleShot(50, this, [this, w = QPointer<QWidget>(w)] {
        if (w && w->isVisible()) describe(w);
      });
    }
    return false;
  }

 private:
  void line(const QString& s) {
    QTextStream(&file_) << s << '\n';
    file_.flush();
  }

  // Paints what is pending and waits until the X server holds it, so that a
  // screenshot taken after the next line shows it.
  void on_screen() {
    window_.repaint();
    QGuiApplication::sync();
  }

  static QString centre(QWidget* w, const QRect& r) {
    const QPoint c = w->mapToGlobal(r.center());
    return QStringLiteral("%1 %2").arg(c.x()).arg(c.y());
  }

  void describe(QWidget* w) {
    if (w == &window_) {
      // The X window, which a box may share its title with.
      line(QStringLiteral("window %1").arg(window_.winId()));
      for (QAction* a : window_.menuBar()->actions()) {
        line(QStringLiteral("menubar %1 %2")
                 .arg(a->objectName(), centre(window_.menuBar(), window_.menuBar()->actionGeometry(a))));
      }
      describe_view();
    } else if (auto* m = qobject_cast<QMenu*>(w)) {
      for (QAction* a : m->actions()) {
        line(QStringLiteral("menu %1 %2").arg(a->objectName(), centre(m, m->actionGeometry(a))));
      }
    } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
      QString text = box->text();
      text.replace('\n', QStringLiteral("\\n"));
      line(QStringLiteral("boxwindow %1").arg(box->winId()));
      line(QStringLiteral("box %1|%2").arg(box->windowTitle(), text));
      for (QAbstractButton* b : box->buttons()) {
        line(QStringLiteral("button %1 %2").arg(b->text(), centre(b, b->rect())));
      }
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      for (int i = 0; i < list->count(); ++i) {
        line(QStringLiteral("row %1 %2 %3")
                 .arg(list->objectName(), list->item(i)->text().trimmed(),
                      centre(list->viewport(), list->visualItemRect(list->item(i)))));
      }
    } else if (qobject_cast<QDialog*>(w)) {
      line(QStringLiteral("boxwindow %1").arg(w->winId()));
      line(QStringLiteral("dialog %1").arg(w->windowTitle()));
      for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        line(QStringLiteral("button %1 %2").arg(b->text(), centre(b, b->rect())));
      }
    } else if (w == window_.record_panel()->area()) {
      // The record panel's side area: its top-left on the screen and its size.
      const QPoint at = w->mapToGlobal(QPoint(0, 0));
      line(QStringLiteral("area %1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(w->width()).arg(w->height()));
    } else if ((w->parent() == window_.view() || w->parent() == window_.record_panel()->area()) &&
               !w->objectName().isEmpty()) {
      line(QStringLiteral("control %1 %2").arg(w->objectName(), centre(w, w->rect())));
    }
  }

  // The screen point of twip (0, 0) of the picture, the client area's size
  // and the scale, once painted.
  void describe_view() {
    on_screen();
    BoardView* v = window_.view();
    const QPoint o = v->mapToGlobal(v->to_logical(QPointF(0, 0)));
    line(QStringLiteral("view %1 %2 %3 %4 %5")
             .arg(o.x())
             .arg(o.y())
             .arg(v->width())
             .arg(v->height())
             .arg(v->scale(), 0, 'g', 10));
  }

  MainWindow& window_;
  QFile file_;
  int handled_ = 0;
};

}  // namespace

void start_e2e_log(MainWindow& window) {
  const char* path = std::getenv("VELMORA_E2E_LOG");
  if (!path || !*path) return;
  // The test reads the screen as soon as a handler has ended: nothing glides.
  window.view()->set_animated(false);
  new E2eLog(window, QString::fromLocal8Bit(path));
}

}  // namespace velmora::app
