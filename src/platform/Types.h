#pragma once

#include "ktrplatform_global.h"

#include <QFlags>
#include <QMetaEnum>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

// The enumerations of the component layer. They live in one Q_NAMESPACE so that their
// names are known to the meta-object system (properties written by name, form files,
// language packages); `using enum` below brings the enumerators into the global
// namespace, where the form code uses them unqualified (alClient, mrOk, caFree ...).
namespace ktr::platform::types {
Q_NAMESPACE_EXPORT(KTRPLATFORM_EXPORT)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TCloseAction { caNone, caHide, caFree, caMinimize };
Q_ENUM_NS(TCloseAction)

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)

enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
    poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
Q_ENUM_NS(TPosition)

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
Q_ENUM_NS(TCheckBoxState)

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
Q_ENUM_NS(TViewStyle)

enum TSortType { stNone, stData, stText, stBoth };
Q_ENUM_NS(TSortType)

enum TItemChange { ctText, ctImage, ctState };
Q_ENUM_NS(TItemChange)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
Q_ENUM_NS(TMsgDlgType)

enum TMsgDlgBtn {
    mbYes = 0x1, mbNo = 0x2, mbOK = 0x4, mbCancel = 0x8, mbAbort = 0x10, mbRetry = 0x20,
    mbIgnore = 0x40, mbAll = 0x80, mbNoToAll = 0x100, mbYesToAll = 0x200, mbHelp = 0x400
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_FLAG_NS(TMsgDlgButtons)

enum TBitBtnKind {
    bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll
};
Q_ENUM_NS(TBitBtnKind)

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
Q_ENUM_NS(TToolButtonStyle)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

} // namespace ktr::platform::types

Q_DECLARE_OPERATORS_FOR_FLAGS(ktr::platform::types::TBorderIcons)
Q_DECLARE_OPERATORS_FOR_FLAGS(ktr::platform::types::TMsgDlgButtons)
Q_DECLARE_OPERATORS_FOR_FLAGS(ktr::platform::types::TFontStyles)

using ktr::platform::types::TAlign;
using ktr::platform::types::TAlignment;
using ktr::platform::types::TTextLayout;
using ktr::platform::types::TCloseAction;
using ktr::platform::types::TWindowState;
using ktr::platform::types::TFormBorderStyle;
using ktr::platform::types::TBorderIcon;
using ktr::platform::types::TBorderIcons;
using ktr::platform::types::TPosition;
using ktr::platform::types::TCheckBoxState;
using ktr::platform::types::TComboBoxStyle;
using ktr::platform::types::TEditCharCase;
using ktr::platform::types::TScrollStyle;
using ktr::platform::types::TViewStyle;
using ktr::platform::types::TSortType;
using ktr::platform::types::TItemChange;
using ktr::platform::types::TBevelCut;
using ktr::platform::types::TMsgDlgType;
using ktr::platform::types::TMsgDlgBtn;
using ktr::platform::types::TMsgDlgButtons;
using ktr::platform::types::TBitBtnKind;
using ktr::platform::types::TButtonLayout;
using ktr::platform::types::TToolButtonStyle;
using ktr::platform::types::TMouseButton;
using ktr::platform::types::TFontStyle;
using ktr::platform::types::TFontStyles;

using enum ktr::platform::types::TAlign;
using enum ktr::platform::types::TAlignment;
using enum ktr::platform::types::TTextLayout;
using enum ktr::platform::types::TCloseAction;
using enum ktr::platform::types::TWindowState;
using enum ktr::platform::types::TFormBorderStyle;
using enum ktr::platform::types::TBorderIcon;
using enum ktr::platform::types::TPosition;
using enum ktr::platform::types::TCheckBoxState;
using enum ktr::platform::types::TComboBoxStyle;
using enum ktr::platform::types::TEditCharCase;
using enum ktr::platform::types::TScrollStyle;
using enum ktr::platform::types::TViewStyle;
using enum ktr::platform::types::TSortType;
using enum ktr::platform::types::TItemChange;
using enum ktr::platform::types::TBevelCut;
using enum ktr::platform::types::TMsgDlgType;
using enum ktr::platform::types::TMsgDlgBtn;
using enum ktr::platform::types::TBitBtnKind;
using enum ktr::platform::types::TButtonLayout;
using enum ktr::platform::types::TToolButtonStyle;
using enum ktr::platform::types::TMouseButton;
using enum ktr::platform::types::TFontStyle;

// Modal results: any integer is a valid result; these are the named ones.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
inline constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
inline constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
inline constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// Shift state bits handed to key and mouse handlers.
using TShiftState = int;
inline constexpr TShiftState ssShift = 0x1;
inline constexpr TShiftState ssAlt = 0x2;
inline constexpr TShiftState ssCtrl = 0x4;
inline constexpr TShiftState ssLeft = 0x8;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
inline constexpr TShiftState ssDouble = 0x40;

namespace ktr::platform {

// Name of an enumerator of a Q_ENUM type ("alClient"), empty when the value has none.
template <typename E>
QString enumName(E value)
{
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(static_cast<int>(value)));
}

// Value of an enumerator given by name, compared without case; nullopt when unknown.
template <typename E>
std::optional<E> enumValue(const QString &name)
{
    const QMetaEnum meta = QMetaEnum::fromType<E>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (name.compare(QLatin1String(meta.key(i)), Qt::CaseInsensitive) == 0)
            return static_cast<E>(meta.value(i));
    }
    return std::nullopt;
}

} // namespace ktr::platform
