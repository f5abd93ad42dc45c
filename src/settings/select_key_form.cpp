#include "settings/select_key_form.h"

namespace dvk {
namespace {

// Windows virtual-key codes of the keys score entry needs.
constexpr std::int32_t vk_back = 0x08;
constexpr std::int32_t vk_return = 0x0D;
constexpr std::int32_t vk_escape = 0x1B;
constexpr std::int32_t vk_numpad0 = 0x60;
constexpr std::int32_t vk_numpad9 = 0x69;

} // namespace

const std::vector<std::int32_t>& select_key_functions() {
    static const std::vector<std::int32_t> functions = {
        template_function,
        function_separator,
        // Game menu: New Game, New Schedule, Modify Schedule, Game History, Option, Auto Save,
        // Check-Out Mode, Exit.
        40016,
        40040,
        40042,
        40038,
        40041,
        40039,
        40043,
        40017,
        function_separator,
        // View menu: Name, Player Information, Left Score, Function Key, Larger, Medium,
        // Smaller, Full Screen, Index of Darts.
        40049,
        40014,
        40013,
        40031,
        40046,
        40047,
        40048,
        40052,
        40015,
        function_separator,
        // Score menu: 1st, 2nd, 3rd dart, Middle for Diddle, Input Left Score, Previous Leg,
        // Exchange Scores, Clear Scores, Dart Out Shots.
        40018,
        40019,
        40020,
        40021,
        40026,
        40045,
        40027,
        40033,
        40034,
        function_separator,
        // Next, Previous, Cancel, No Action.
        40008,
        40009,
        40002,
        40003,
        function_separator,
        // Left, Right, Up, Down.
        40050,
        40051,
        40006,
        40007,
    };
    return functions;
}

SelectKeyForm open_select_key_form(const std::optional<KeyBinding>& binding) {
    SelectKeyForm form;
    if (!binding) {
        return form;
    }
    if (is_template_action(binding->action)) {
        form.function = template_function;
        form.number_enabled = true;
        form.number = binding->action - template_action_base;
    } else {
        form.function = binding->action;
    }
    form.modifiers = binding->key != 0 ? binding->modifiers & modifier_mask : 0;
    form.key = binding->key;
    return form;
}

SelectKeyResult read_select_key_form(const SelectKeyForm& form) {
    if (form.number_enabled && (form.number < 0 || form.number > max_template_score)) {
        return {SelectKeyProblem::TemplateOutOfRange, {}};
    }
    if (!form.function || *form.function == function_separator) {
        return {SelectKeyProblem::NoFunction, {}};
    }
    KeyBinding binding;
    binding.action = *form.function;
    if (binding.action == template_function) {
        binding.action += form.number_enabled ? form.number : 0;
    }
    binding.key = form.key;
    binding.modifiers = form.key != 0 ? form.modifiers & modifier_mask : 0;
    return {SelectKeyProblem::None, binding};
}

bool takes_score_entry_key(const KeyBinding& binding) {
    if ((binding.modifiers & modifier_mask) != 0) {
        return false;
    }
    const std::int32_t key = binding.key;
    return key == vk_back || key == vk_return || key == vk_escape || (key >= '0' && key <= '9') ||
           (key >= vk_numpad0 && key <= vk_numpad9);
}

} // namespace dvk
