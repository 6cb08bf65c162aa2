#include "platform/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace {

// What the program tells about a control of its own.
struct Registered {
    std::optional<AccessibleGrid> grid;
    std::function<void()> press;
};

QHash<const QObject*, Registered>& Registry() {
    static QHash<const QObject*, Registered> registry;
    return registry;
}

class GridInterface;

// A cell of a grid: it has no object of its own, and asks its grid for everything.
class CellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellInterface(GridInterface* grid, QPoint cell) : grid_(grid), cell_(cell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.x() - 1; }
    int rowIndex() const override { return cell_.y() - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    GridInterface* grid_;
    QPoint cell_;
};

// A control that paints a grid, as a table of its cells.
class GridInterface : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    GridInterface(QWidget* control, AccessibleGrid grid)
        : QAccessibleWidget(control, QAccessible::Table),
          grid_(std::move(grid)),
          cells_(static_cast<std::size_t>(grid_.columns * grid_.rows)) {}

    ~GridInterface() override {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    const AccessibleGrid& Grid() const { return grid_; }
    QWidget* Control() const { return widget(); }

    QAccessibleInterface* Cell(QPoint cell) const {
        if (cell.x() < 1 || cell.x() > grid_.columns || cell.y() < 1 || cell.y() > grid_.rows) {
            return nullptr;
        }
        QAccessible::Id& id =
            cells_[static_cast<std::size_t>((cell.y() - 1) * grid_.columns + cell.x() - 1)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new CellInterface(const_cast<GridInterface*>(this), cell));
        }
        return QAccessible::accessibleInterface(id);
    }

    int childCount() const override { return grid_.columns * grid_.rows; }
    QAccessibleInterface* child(int index) const override {
        return index < 0 || index >= childCount()
                   ? nullptr
                   : Cell({index % grid_.columns + 1, index / grid_.columns + 1});
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const QAccessibleTableCellInterface* cell =
                const_cast<QAccessibleInterface*>(child)->tableCellInterface();
            cell && child->parent() == this) {
            return cell->rowIndex() * grid_.columns + cell->columnIndex();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            const QPoint cell(i % grid_.columns + 1, i / grid_.columns + 1);
            if (grid_.place(cell).contains(at)) {
                return Cell(cell);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? Cell(grid_.cursor()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return Cell({column + 1, row + 1});
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("kolom %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("rij %1").arg(row + 1); }
    int columnCount() const override { return grid_.columns; }
    int rowCount() const override { return grid_.rows; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
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
    AccessibleGrid grid_;
    mutable std::vector<QAccessible::Id> cells_;
};

bool CellInterface::isValid() const {
    return grid_->isValid();
}
QWindow* CellInterface::window() const {
    return grid_->window();
}
QAccessibleInterface* CellInterface::parent() const {
    return grid_;
}
QAccessibleInterface* CellInterface::table() const {
    return grid_;
}
QString CellInterface::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? grid_->Grid().name(cell_) : QString();
}
QRect CellInterface::rect() const {
    const QRect place = grid_->Grid().place(cell_);
    return QRect(grid_->Control()->mapToGlobal(place.topLeft()), place.size());
}
QAccessible::State CellInterface::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.focused = grid_->Control()->hasFocus() && grid_->Grid().cursor() == cell_;
    state.invisible = !grid_->Control()->isVisible();
    return state;
}

// A control that acts when pressed.
class ButtonInterface : public QAccessibleWidget {
  public:
    ButtonInterface(QWidget* control, std::function<void()> press)
        : QAccessibleWidget(control, QAccessible::Button), press_(std::move(press)) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            press_();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    std::function<void()> press_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    const auto it = Registry().constFind(object);
    if (it == Registry().cend()) {
        return nullptr;
    }
    auto* control = static_cast<QWidget*>(object);
    if (it->grid) {
        return new GridInterface(control, *it->grid);
    }
    if (it->press) {
        return new ButtonInterface(control, it->press);
    }
    return new QAccessibleWidget(control, QAccessible::Notification);
}

// The role that the registered interface has.
QAccessible::Role RoleOf(const Registered& registered) {
    return registered.grid    ? QAccessible::Table
           : registered.press ? QAccessible::Button
                              : QAccessible::Notification;
}

void Register(QWidget* control, Registered registered) {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    const QAccessible::Role role = RoleOf(registered);
    Registry().insert(control, std::move(registered));
    QObject::connect(control, &QObject::destroyed, [control] { Registry().remove(control); });
    // An interface that Qt made for the control before it was registered, as it does for a widget
    // that is hidden, goes, for ours.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
    if (made && made->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

GridInterface* GridOf(QWidget* control) {
    if (!QAccessible::isActive() || !Registry().value(control).grid) {
        return nullptr;
    }
    return static_cast<GridInterface*>(QAccessible::queryAccessibleInterface(control));
}

}  // namespace

void MakeAccessibleGrid(QWidget* control, AccessibleGrid grid) {
    Registered registered;
    registered.grid = std::move(grid);
    Register(control, std::move(registered));
    // Focus on the control is focus on its cursor's cell, told once the control's own has been.
    class FocusWatch : public QObject {
      public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::FocusIn) {
                auto* control = static_cast<QWidget*>(watched);
                QTimer::singleShot(0, control, [control] { GridCursorMoved(control); });
            }
            return false;
        }
    };
    control->installEventFilter(new FocusWatch(control));
}

void GridCellChanged(QWidget* control, QPoint cell) {
    if (GridInterface* grid = GridOf(control)) {
        if (QAccessibleInterface* shown = grid->Cell(cell)) {
            QAccessibleEvent event(shown, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void GridCursorMoved(QWidget* control) {
    GridInterface* grid = GridOf(control);
    if (grid && control->hasFocus()) {
        if (QAccessibleInterface* cell = grid->Cell(grid->Grid().cursor())) {
            QAccessibleEvent event(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void MakeAccessibleButton(QWidget* control, std::function<void()> press) {
    Registered registered;
    registered.press = std::move(press);
    Register(control, std::move(registered));
}

void Announce(QWidget* window, const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
    return;
#endif
    static const QString Name = QStringLiteral("Aankondiging");
    auto* notice = window->findChild<QWidget*>(Name, Qt::FindDirectChildrenOnly);
    if (!notice) {
        // Of no size, so that it shows nothing and takes no click.
        notice = new QWidget(window);
        notice->setObjectName(Name);
        notice->setGeometry(0, 0, 0, 0);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        Register(notice, Registered{});
    }
    notice->setAccessibleName(text);
    // A screen reader speaks a notification as it appears.
    notice->hide();
    notice->show();
}
