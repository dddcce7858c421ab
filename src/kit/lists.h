#pragma once
// The events of a drop-down list. Its rule runs once for each user pick, also
// of the item the list already shows; once for each text typed into the edit
// part of an editable list; and once for each write of its index by the
// program, also of the index it already has. Nested writes run nested rules,
// as every other control of the window does.

#include <QObject>
#include <QPointer>
#include <functional>

class QComboBox;
class QEvent;

class ListRule : public QObject {
    Q_OBJECT
public:
    // The rule runs on the list's events for as long as this object lives; it
    // is a child of context, whose death ends them.
    ListRule(QComboBox* list, QObject* context, std::function<void()> rule);
    ~ListRule() override;
    QComboBox* list() const { return list_; }
    // The rule of a list, if it has one.
    static ListRule* of(const QComboBox* list);

    // The program's write: sets the index and, in an editable list, puts the
    // item's text back into the edit part; then runs the rule once (unless not
    // asked to: the list shows a value kept elsewhere).
    void write(int index, bool runRule = true);

    // An editable list commits to one of its items: a text naming an item in
    // another case becomes that item, any other text that is not an item gets
    // back the last item applied (picked, typed exactly or written); each
    // through write(). A text that is an item stays as it is. Runs on Return
    // and when the list loses the focus.
    void commit();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void changed();

    QPointer<QComboBox> guard_; // the list, while it lives

    QComboBox* list_;
    std::function<void()> rule_;
    int writing_ = 0;         // inside write(): the changes it makes run nothing
    bool ranForPick_ = false; // the rule ran since the user's last action began
    int applied_ = -1;        // the item the rule last ran for, in an editable list
};
