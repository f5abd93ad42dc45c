#include "platform/key_codes.h"

#include <QCoreApplication>

#include <vector>

namespace dvk {
namespace {

struct KeyEntry {
    int virtual_key;
    Qt::Key key;
    bool keypad;
    QString name;
};

QString translated_key_name(const char* name) {
    return QCoreApplication::translate("KeyNames", name);
}

void add_named_keys(std::vector<KeyEntry>& table) {
    struct Named {
        int virtual_key;
        Qt::Key key;
        const char* name;
    };
    static constexpr Named named[] = {
        {0x08, Qt::Key_Backspace, QT_TRANSLATE_NOOP("KeyNames", "Backspace")},
        {0x09, Qt::Key_Tab, QT_TRANSLATE_NOOP("KeyNames", "Tab")},
        {0x0D, Qt::Key_Return, QT_TRANSLATE_NOOP("KeyNames", "Enter")},
        {0x13, Qt::Key_Pause, QT_TRANSLATE_NOOP("KeyNames", "Pause")},
        {0x14, Qt::Key_CapsLock, QT_TRANSLATE_NOOP("KeyNames", "Caps Lock")},
        {0x1B, Qt::Key_Escape, QT_TRANSLATE_NOOP("KeyNames", "Esc")},
        {0x20, Qt::Key_Space, QT_TRANSLATE_NOOP("KeyNames", "Space")},
        {0x21, Qt::Key_PageUp, QT_TRANSLATE_NOOP("KeyNames", "Page Up")},
        {0x22, Qt::Key_PageDown, QT_TRANSLATE_NOOP("KeyNames", "Page Down")},
        {0x23, Qt::Key_End, QT_TRANSLATE_NOOP("KeyNames", "End")},
        {0x24, Qt::Key_Home, QT_TRANSLATE_NOOP("KeyNames", "Home")},
        {0x25, Qt::Key_Left, QT_TRANSLATE_NOOP("KeyNames", "Left")},
        {0x26, Qt::Key_Up, QT_TRANSLATE_NOOP("KeyNames", "Up")},
        {0x27, Qt::Key_Right, QT_TRANSLATE_NOOP("KeyNames", "Right")},
        {0x28, Qt::Key_Down, QT_TRANSLATE_NOOP("KeyNames", "Down")},
        {0x2C, Qt::Key_Print, QT_TRANSLATE_NOOP("KeyNames", "Print Screen")},
        {0x2D, Qt::Key_Insert, QT_TRANSLATE_NOOP("KeyNames", "Insert")},
        {0x2E, Qt::Key_Delete, QT_TRANSLATE_NOOP("KeyNames", "Delete")},
        {0x5D, Qt::Key_Menu, QT_TRANSLATE_NOOP("KeyNames", "Application")},
        {0x90, Qt::Key_NumLock, QT_TRANSLATE_NOOP("KeyNames", "Num Lock")},
        {0x91, Qt::Key_ScrollLock, QT_TRANSLATE_NOOP("KeyNames", "Scroll Lock")},
    };
    for (const Named& entry : named) {
        table.push_back({entry.virtual_key, entry.key, false, translated_key_name(entry.name)});
    }
}

// The punctuation keys of a US keyboard, named by the character they type without Shift.
void add_punctuation_keys(std::vector<KeyEntry>& table) {
    struct Punctuation {
        int virtual_key;
        Qt::Key key;
    };
    static constexpr Punctuation punctuation[] = {
        {0xBA, Qt::Key_Semicolon},    {0xBB, Qt::Key_Equal},       {0xBC, Qt::Key_Comma},
        {0xBD, Qt::Key_Minus},        {0xBE, Qt::Key_Period},      {0xBF, Qt::Key_Slash},
        {0xC0, Qt::Key_QuoteLeft},    {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash},
        {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
    };
    for (const Punctuation& entry : punctuation) {
        table.push_back({entry.virtual_key, entry.key, false, QString(QChar(entry.key))});
    }
}

void add_keypad_keys(std::vector<KeyEntry>& table) {
    for (int digit = 0; digit <= 9; ++digit) {
        table.push_back({0x60 + digit, static_cast<Qt::Key>(Qt::Key_0 + digit), true,
                         translated_key_name(QT_TRANSLATE_NOOP("KeyNames", "Num %1")).arg(digit)});
    }
    struct Operator {
        int virtual_key;
        Qt::Key key;
    };
    static constexpr Operator operators[] = {
        {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus},   {0x6C, Qt::Key_Comma},
        {0x6D, Qt::Key_Minus},    {0x6E, Qt::Key_Period}, {0x6F, Qt::Key_Slash},
    };
    for (const Operator& entry : operators) {
        table.push_back(
            {entry.virtual_key, entry.key, true,
             translated_key_name(QT_TRANSLATE_NOOP("KeyNames", "Num %1")).arg(QChar(entry.key))});
    }
}

// One entry per virtual key that a binding can hold. Built per call: it is small, and the
// names must follow the translation in force.
std::vector<KeyEntry> key_table() {
    std::vector<KeyEntry> table;
    for (int letter = 'A'; letter <= 'Z'; ++letter) {
        table.push_back({letter, static_cast<Qt::Key>(letter), false, QString(QChar(letter))});
    }
    for (int digit = '0'; digit <= '9'; ++digit) {
        table.push_back({digit, static_cast<Qt::Key>(digit), false, QString(QChar(digit))});
    }
    for (int number = 1; number <= 24; ++number) {
        table.push_back({0x6F + number, static_cast<Qt::Key>(Qt::Key_F1 + number - 1), false,
                         QStringLiteral("F%1").arg(number)});
    }
    add_named_keys(table);
    add_punctuation_keys(table);
    add_keypad_keys(table);
    return table;
}

// Keys Qt reports for a key pressed with Shift (on a US layout) or for a second key of the
// same meaning, mapped to the virtual key of the key itself.
int alias_virtual_key(Qt::Key key) {
    struct Alias {
        Qt::Key key;
        int virtual_key;
    };
    static constexpr Alias aliases[] = {
        {Qt::Key_Backtab, 0x09},    {Qt::Key_Enter, 0x0D},      {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},          {Qt::Key_NumberSign, '3'},  {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},     {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},    {Qt::Key_ParenLeft, '9'},   {Qt::Key_ParenRight, '0'},
        {Qt::Key_Colon, 0xBA},      {Qt::Key_Plus, 0xBB},       {Qt::Key_Less, 0xBC},
        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Greater, 0xBE},    {Qt::Key_Question, 0xBF},
        {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BraceLeft, 0xDB},  {Qt::Key_Bar, 0xDC},
        {Qt::Key_BraceRight, 0xDD}, {Qt::Key_QuoteDbl, 0xDE},
    };
    for (const Alias& alias : aliases) {
        if (alias.key == key) {
            return alias.virtual_key;
        }
    }
    return 0;
}

int find_virtual_key(const std::vector<KeyEntry>& table, Qt::Key key, bool keypad) {
    for (const KeyEntry& entry : table) {
        if (entry.key == key && entry.keypad == keypad) {
            return entry.virtual_key;
        }
    }
    return 0;
}

} // namespace

QKeyCombination qt_key_for_virtual_key(int virtual_key) {
    for (const KeyEntry& entry : key_table()) {
        if (entry.virtual_key == virtual_key) {
            return entry.keypad ? QKeyCombination(Qt::KeypadModifier, entry.key)
                                : QKeyCombination(entry.key);
        }
    }
    return QKeyCombination(Qt::Key_unknown);
}

int virtual_key_for_qt_key(QKeyCombination key) {
    const std::vector<KeyEntry> table = key_table();
    const bool keypad = key.keyboardModifiers().testFlag(Qt::KeypadModifier);
    // With Num Lock off the keypad sends Home, End, arrows...: the keys of the same name.
    for (const bool as_keypad : {keypad, false}) {
        if (const int found = find_virtual_key(table, key.key(), as_keypad)) {
            return found;
        }
    }
    return alias_virtual_key(key.key());
}

Qt::KeyboardModifiers qt_modifiers_for_flags(int modifiers) {
    Qt::KeyboardModifiers result;
    result.setFlag(Qt::ShiftModifier, (modifiers & modifier_shift) != 0);
    result.setFlag(Qt::ControlModifier, (modifiers & modifier_ctrl) != 0);
    result.setFlag(Qt::AltModifier, (modifiers & modifier_alt) != 0);
    return result;
}

int modifier_flags_for_qt(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? modifier_shift : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? modifier_ctrl : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? modifier_alt : 0);
}

QKeyCombination qt_key_combination(int modifiers, int virtual_key) {
    const QKeyCombination key = qt_key_for_virtual_key(virtual_key);
    return QKeyCombination(key.keyboardModifiers() | qt_modifiers_for_flags(modifiers), key.key());
}

QString modifier_names(int modifiers) {
    QString names;
    if (modifiers & modifier_ctrl) {
        names += translated_key_name(QT_TRANSLATE_NOOP("KeyNames", "Ctrl+"));
    }
    if (modifiers & modifier_shift) {
        names += translated_key_name(QT_TRANSLATE_NOOP("KeyNames", "Shift+"));
    }
    if (modifiers & modifier_alt) {
        names += translated_key_name(QT_TRANSLATE_NOOP("KeyNames", "Alt+"));
    }
    return names;
}

QString format_key_name(int modifiers, int virtual_key) {
    if (virtual_key == 0) {
        return {};
    }
    for (const KeyEntry& entry : key_table()) {
        if (entry.virtual_key == virtual_key) {
            return modifier_names(modifiers) + entry.name;
        }
    }
    return {};
}

} // namespace dvk
