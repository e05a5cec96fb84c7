#pragma once
// The main window fixture with the Comp and Gate pages' helpers: controls by name, typing
// into a box, the transfer curves' points and the compressor and gate frames the window
// sent.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "McsCommands.h"
#include "core/iXYPlot.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"

#include <QTest>

#include <functional>
#include <string>
#include <utility>

class DynamicsFixture : public MainWindowFixture {
protected:
    using Points = std::vector<std::pair<double, double>>;

    TAdvTrackBar* Bar(const QString& name) { return Control<TAdvTrackBar>(name); }
    TUpDown* Spinner(const QString& name) { return Control<TUpDown>(name); }
    TCurvyEdit* Box(const QString& name) { return Control<TCurvyEdit>(name); }
    std::string Text(const QString& box) { return Box(box)->Text().toStdString(); }
    std::string Caption(const QString& name) { return Control<TCustomLabel>(name)->Caption().toStdString(); }

    // Types a text into a box and ends it with the Enter key, or by leaving the box.
    void TypeEnter(const QString& box, const QString& text)
    {
        TCurvyEdit* edit = Box(box);
        edit->SetText(text);
        QTest::keyClick(edit->Edit(), Qt::Key_Return);
    }
    void TypeExit(const QString& box, const QString& text)
    {
        TCurvyEdit* edit = Box(box);
        edit->SetText(text);
        ASSERT_TRUE(edit->OnExit);
        edit->OnExit(edit);
    }

    // A left-button press on a control, as the user's mouse gives it (on a box: its edit).
    static void Press(QWidget* widget, QPoint at = QPoint(4, 4))
    {
        if (auto* box = dynamic_cast<TCurvyEdit*>(widget))
            widget = box->Edit();
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
    }

    static Points PointsOf(TiXYPlot* plot, int channel)
    {
        Points out;
        TiXYPlotChannel* c = plot->Channel(channel);
        for (int i = 0; i < c->Count(); ++i)
            out.emplace_back(c->GetX(i), c->GetY(i));
        return out;
    }

    // The frames a compressor or gate record of the image gives for unit 1.
    ByteArray CompFrame(int ch) { return CM_MCS_COMP(1, ch, Unit().GetComp(ch)).Serialise(); }
    ByteArray GateFrame(int ch) { return CM_MCS_GATE(1, ch, Unit().GetGate(ch)).Serialise(); }

    // Sets the link masks of the image (InA, InB, Out1 to Out6).
    void Masks(std::initializer_list<int> masks)
    {
        EditImage([&](LUnitControl& unit) {
            int ch = 0;
            for (int m : masks)
                unit.SetLinkMask(ch++, std::uint16_t(m));
        });
    }

    // A typed entry: the box, its fader or spinner at `start`, the text typed and ended by
    // Enter or by leaving the box, then the box's text, the control's position and whether
    // one record went out.
    struct EntryCase {
        const char* box;
        const char* control;
        int start;
        const char* typed;
        bool exit;
        const char* shown;
        int position;
        bool sends;
    };
    int PositionOf(const QString& control)
    {
        return control.startsWith("ud") ? Spinner(control)->Position() : Bar(control)->Position();
    }
    // Runs the case; a sent record must equal `frame()`, and with nothing sent the image
    // must stay as it was.
    void CheckEntry(const EntryCase& c, const std::function<ByteArray()>& frame)
    {
        const QString control = QLatin1String(c.control);
        {
            UpdatingScope updating(form->FUpdating);
            if (control.startsWith("ud"))
                Spinner(control)->SetPosition(c.start);
            else
                Bar(control)->SetPosition(c.start);
        }
        form->sent.clear();
        const ImageBytes before = ToBytes(Unit().Image());
        if (c.exit)
            TypeExit(c.box, c.typed);
        else
            TypeEnter(c.box, c.typed);
        const std::string what = std::string(c.box) + " \"" + c.typed + '"';
        EXPECT_EQ(Text(c.box), c.shown) << what;
        EXPECT_EQ(PositionOf(control), c.position) << what;
        if (c.sends) {
            ASSERT_EQ(form->sent.size(), 1u) << what;
            EXPECT_EQ(form->sent[0], frame()) << what;
        } else {
            EXPECT_TRUE(form->sent.empty()) << what;
            EXPECT_EQ(ToBytes(Unit().Image()), before) << what;
        }
    }

    // Runs the pending one-shot redraw of the Comp page.
    void FireCompRedraw() { clock->Advance(1); }
};
