#include "RzFrameController.h"

#include "ChangedWriter.h"
#include "RzOldPropReader.h"
#include "RzRegIniFile.h"

#include "ui/TControl.h"

#include <QMetaProperty>

#include <algorithm>

namespace {

// The published property each setting writes.
const char* PropertyName(TRzFrameControllerProperty setting) {
    switch (setting) {
    case fcpColor: return "Color";
    case fcpFocusColor: return "FocusColor";
    case fcpDisabledColor: return "DisabledColor";
    case fcpReadOnlyColor: return "ReadOnlyColor";
    case fcpReadOnlyColorOnFocus: return "ReadOnlyColorOnFocus";
    case fcpParentColor: return "ParentColor";
    case fcpFlatButtonColor: return "FlatButtonColor";
    case fcpFlatButtons: return "FlatButtons";
    case fcpFrameColor: return "FrameColor";
    case fcpFrameHotColor: return "FrameHotColor";
    case fcpFrameHotTrack: return "FrameHotTrack";
    case fcpFrameHotStyle: return "FrameHotStyle";
    case fcpFrameSides: return "FrameSides";
    case fcpFrameStyle: return "FrameStyle";
    case fcpFrameVisible: return "FrameVisible";
    case fcpFramingPreference: return "FramingPreference";
    case fcpAll: break;
    }
    return "";
}

}  // namespace

TRzFrameController::TRzFrameController(TComponent* owner) : QObject(nullptr), TComponent(owner) {}

TRzFrameController::~TRzFrameController() = default;

void TRzFrameController::AddControl(QObject* control) {
    if (!control) return;
    for (const QPointer<QObject>& c : FFrameList)
        if (c == control) return;
    FFrameList.emplace_back(control);
    NotifyControl(control, fcpAll);
}

void TRzFrameController::RemoveControl(QObject* control) {
    FFrameList.erase(std::remove_if(FFrameList.begin(), FFrameList.end(),
                                    [control](const QPointer<QObject>& c) { return c.isNull() || c == control; }),
                     FFrameList.end());
}

void TRzFrameController::EndUpdate() {
    if (--FUpdateCount <= 0) {
        FUpdateCount = 0;
        NotifyControls(fcpAll);
    }
}

void TRzFrameController::NotifyControls(TRzFrameControllerProperty setting) {
    if (FUpdateCount > 0) return;
    const std::vector<QPointer<QObject>> controls = FFrameList;
    for (const QPointer<QObject>& c : controls)
        if (c) NotifyControl(c, setting);
}

void TRzFrameController::NotifyControl(QObject* control, TRzFrameControllerProperty setting) {
    if (!qobject_cast<TControl*>(control)) return;  // visual controls only
    if (auto* client = dynamic_cast<IFrameControllerClient*>(control)) {
        client->UpdateFromFrameController();
        return;
    }
    const QVariant accepted = control->property("FrameControllerNotifications");
    const TRzFrameControllerNotifications set = accepted.isValid() ? accepted.toUInt() & fcpAllSettings : fcpAllSettings;
    const auto write = [&](TRzFrameControllerProperty p, const QVariant& value) {
        if (!(set & fcpBit(p))) return;
        const QMetaObject* meta = control->metaObject();
        const int index = meta->indexOfProperty(PropertyName(p));
        if (index >= 0) meta->property(index).write(control, value);
    };
    const auto value = [this](TRzFrameControllerProperty p) -> QVariant {
        switch (p) {
        case fcpColor: return QVariant::fromValue<TColor>(FColor);
        case fcpFocusColor: return QVariant::fromValue<TColor>(FFocusColor);
        case fcpDisabledColor: return QVariant::fromValue<TColor>(FDisabledColor);
        case fcpReadOnlyColor: return QVariant::fromValue<TColor>(FReadOnlyColor);
        case fcpReadOnlyColorOnFocus: return FReadOnlyColorOnFocus;
        case fcpParentColor: return FParentColor;
        case fcpFlatButtonColor: return QVariant::fromValue<TColor>(FFlatButtonColor);
        case fcpFlatButtons: return FFlatButtons;
        case fcpFrameColor: return QVariant::fromValue<TColor>(FFrameColor);
        case fcpFrameHotColor: return QVariant::fromValue<TColor>(FFrameHotColor);
        case fcpFrameHotTrack: return FFrameHotTrack;
        case fcpFrameHotStyle: return int(FFrameHotStyle);
        case fcpFrameSides: return FFrameSides;
        case fcpFrameStyle: return int(FFrameStyle);
        case fcpFrameVisible: return FFrameVisible;
        case fcpFramingPreference: return int(FFramingPreference);
        case fcpAll: break;
        }
        return {};
    };
    if (setting != fcpAll) {
        write(setting, value(setting));
        return;
    }
    write(fcpParentColor, value(fcpParentColor));
    if (!FParentColor) write(fcpColor, value(fcpColor));
    for (TRzFrameControllerProperty p :
         {fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor, fcpFlatButtonColor, fcpFlatButtons,
          fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle,
          fcpFrameVisible, fcpFramingPreference})
        write(p, value(p));
}

void TRzFrameController::SetColor(TColor value) {
    if (value == FColor) return;
    const bool focusFollows = FColor == FFocusColor;
    FColor = value;
    if (focusFollows) FFocusColor = value;
    FParentColor = false;
    NotifyControls(fcpColor);
    if (focusFollows) NotifyControls(fcpFocusColor);
}

void TRzFrameController::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    NotifyControls(fcpParentColor);
    if (!value) NotifyControls(fcpColor);
}

#define Q7K_SIMPLE_WRITER(Name, Type, Field, Setting) Q7K_CHANGED_WRITER(TRzFrameController, Name, Type, Field, NotifyControls(Setting))

Q7K_SIMPLE_WRITER(FlatButtonColor, TColor, FFlatButtonColor, fcpFlatButtonColor)
Q7K_SIMPLE_WRITER(FlatButtons, bool, FFlatButtons, fcpFlatButtons)
Q7K_SIMPLE_WRITER(DisabledColor, TColor, FDisabledColor, fcpDisabledColor)
Q7K_SIMPLE_WRITER(ReadOnlyColor, TColor, FReadOnlyColor, fcpReadOnlyColor)
Q7K_SIMPLE_WRITER(ReadOnlyColorOnFocus, bool, FReadOnlyColorOnFocus, fcpReadOnlyColorOnFocus)
Q7K_SIMPLE_WRITER(FocusColor, TColor, FFocusColor, fcpFocusColor)
Q7K_SIMPLE_WRITER(FrameColor, TColor, FFrameColor, fcpFrameColor)
Q7K_SIMPLE_WRITER(FrameHotColor, TColor, FFrameHotColor, fcpFrameHotColor)
Q7K_SIMPLE_WRITER(FrameHotStyle, TFrameStyle, FFrameHotStyle, fcpFrameHotStyle)
Q7K_SIMPLE_WRITER(FrameSides, TSides, FFrameSides, fcpFrameSides)
Q7K_SIMPLE_WRITER(FrameStyle, TFrameStyle, FFrameStyle, fcpFrameStyle)
Q7K_SIMPLE_WRITER(FrameVisible, bool, FFrameVisible, fcpFrameVisible)
Q7K_SIMPLE_WRITER(FramingPreference, TFramingPreference, FFramingPreference, fcpFramingPreference)

#undef Q7K_SIMPLE_WRITER

void TRzFrameController::SetFrameHotTrack(bool value) {
    if (value == FFrameHotTrack) return;
    FFrameHotTrack = value;
    if (value) {
        SetFrameVisible(true);
        if (!Loading()) SetFrameSides(sdAllSides);
    }
    NotifyControls(fcpFrameHotTrack);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* value) { FRegIniFile = value; }

void TRzFrameController::Assign(const TRzFrameController& source) {
    BeginUpdate();
    SetColor(source.Color());
    SetDisabledColor(source.DisabledColor());
    SetReadOnlyColor(source.ReadOnlyColor());
    SetReadOnlyColorOnFocus(source.ReadOnlyColorOnFocus());
    SetFlatButtonColor(source.FlatButtonColor());
    SetFlatButtons(source.FlatButtons());
    SetFocusColor(source.FocusColor());
    SetFrameColor(source.FrameColor());
    SetFrameHotColor(source.FrameHotColor());
    SetFrameHotStyle(source.FrameHotStyle());
    SetFrameHotTrack(source.FrameHotTrack());
    SetFrameSides(source.FrameSides());
    SetFrameStyle(source.FrameStyle());
    SetFrameVisible(source.FrameVisible());
    SetFramingPreference(source.FramingPreference());
    SetParentColor(source.ParentColor());
    EndUpdate();
}

void TRzFrameController::Load(const QString& section) {
    if (!FRegIniFile)
        throw ENoRegIniFile("Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *FRegIniFile;
    BeginUpdate();
    FColor = TColor(ini.ReadInteger(section, "Color", int(clWindow)));
    FFlatButtonColor = TColor(ini.ReadInteger(section, "FlatButtonColor", int(clBtnFace)));
    FFlatButtons = ini.ReadBool(section, "FlatButtons", true);
    FDisabledColor = TColor(ini.ReadInteger(section, "DisabledColor", int(clWindow)));
    FReadOnlyColor = TColor(ini.ReadInteger(section, "ReadOnlyColor", int(clInfoBk)));
    FReadOnlyColorOnFocus = ini.ReadBool(section, "ReadOnlyColorOnFocus", false);
    FFocusColor = TColor(ini.ReadInteger(section, "FocusColor", int(clWindow)));
    FFrameColor = TColor(ini.ReadInteger(section, "FrameColor", int(clBtnShadow)));
    FFrameHotColor = TColor(ini.ReadInteger(section, "FrameHotColor", int(clBtnShadow)));
    FFrameHotStyle = TFrameStyle(ini.ReadInteger(section, "FrameHotStyle", 10));
    FFrameHotTrack = ini.ReadBool(section, "FrameHotTrack", false);
    FFrameSides = 0;
    if (ini.ReadBool(section, "FrameSides_Left", true)) FFrameSides |= sdLeft;
    if (ini.ReadBool(section, "FrameSides_Top", true)) FFrameSides |= sdTop;
    if (ini.ReadBool(section, "FrameSides_Right", true)) FFrameSides |= sdRight;
    if (ini.ReadBool(section, "FrameSides_Bottom", true)) FFrameSides |= sdBottom;
    FFrameStyle = TFrameStyle(ini.ReadInteger(section, "FrameStyle", 1));
    FFrameVisible = ini.ReadBool(section, "FrameVisible", false);
    FFramingPreference = TFramingPreference(ini.ReadInteger(section, "FramingPreference", 1));
    EndUpdate();
}

void TRzFrameController::Save(const QString& section) {
    if (!FRegIniFile)
        throw ENoRegIniFile("Cannot save Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *FRegIniFile;
    ini.WriteInteger(section, "Color", int(FColor));
    ini.WriteInteger(section, "FlatButtonColor", int(FFlatButtonColor));
    ini.WriteBool(section, "FlatButtons", FFlatButtons);
    ini.WriteInteger(section, "DisabledColor", int(FDisabledColor));
    ini.WriteInteger(section, "ReadOnlyColor", int(FReadOnlyColor));
    ini.WriteBool(section, "ReadOnlyColorOnFocus", FReadOnlyColorOnFocus);
    ini.WriteInteger(section, "FocusColor", int(FFocusColor));
    ini.WriteInteger(section, "FrameColor", int(FFrameColor));
    ini.WriteInteger(section, "FrameHotColor", int(FFrameHotColor));
    ini.WriteInteger(section, "FrameHotStyle", int(FFrameHotStyle));
    ini.WriteBool(section, "FrameHotTrack", FFrameHotTrack);
    ini.WriteBool(section, "FrameSides_Left", FFrameSides & sdLeft);
    ini.WriteBool(section, "FrameSides_Top", FFrameSides & sdTop);
    ini.WriteBool(section, "FrameSides_Right", FFrameSides & sdRight);
    ini.WriteBool(section, "FrameSides_Bottom", FFrameSides & sdBottom);
    ini.WriteInteger(section, "FrameStyle", int(FFrameStyle));
    ini.WriteBool(section, "FrameVisible", FFrameVisible);
    ini.WriteInteger(section, "FramingPreference", int(FFramingPreference));
}

void TRzFrameController::ReadFrameFlat(bool value) {
    SetFrameHotTrack(value);
    if (value) {
        SetFrameStyle(fsStatus);
        SetFrameHotStyle(fsLowered);
    }
}

void TRzFrameController::DefineProperties(TFiler& filer) {
    filer.DefineProperty("FrameFlat", [this](const QVariant& v) { ReadFrameFlat(v.toBool()); });
    filer.DefineProperty("FrameFocusStyle", [this](const QVariant& v) { SetFrameHotStyle(TFrameStyle(v.toInt())); });
    TRzOldPropReader::Drop(filer, "FrameFlatStyle");
}

void SwitchFrameController(QPointer<TRzFrameController>& current, TRzFrameController* value, QObject* control) {
    if (value == current) return;
    if (current) current->RemoveControl(control);
    current = value;
    if (value) value->AddControl(control);
}
