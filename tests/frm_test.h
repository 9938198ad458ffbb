#pragma once

#include "windowdriver.h"

// The real window, driven as the pupil drives it: clicks on its buttons and boxes, keys,
// its menus. Every test starts from a freshly opened window.
class FrmTest : public WindowTest {
    Q_OBJECT

private slots:
    // frm_test.cpp: the window as it opens.
    void the_window_opens_with_its_caption_and_its_design_client_size();
    void the_form_holds_exactly_the_designed_controls();
    void controls_open_at_their_design_place_and_size_data();
    void controls_open_at_their_design_place_and_size();
    void ladder_bars_are_vertical_lines_at_their_design_place_data();
    void ladder_bars_are_vertical_lines_at_their_design_place();
    void controls_open_with_their_design_content_and_enabled_state_data();
    void controls_open_with_their_design_content_and_enabled_state();
    void factor_boxes_open_with_the_window_text_colour_data();
    void factor_boxes_open_with_the_window_text_colour();
    void the_menus_offer_their_items_in_order_data();
    void the_menus_offer_their_items_in_order();
    void the_first_number_box_has_the_focus_when_the_window_opens();
    void tab_goes_through_the_number_boxes_and_commands_in_design_order();

    // frm_test_commands.cpp: decomposing at once, refusals, the number boxes.
    void descomposar_draws_the_ladder_and_the_factor_row_in_rapid_mode_data();
    void descomposar_draws_the_ladder_and_the_factor_row_in_rapid_mode();
    void a_refused_number_is_explained_and_leaves_the_window_as_it_was_data();
    void a_refused_number_is_explained_and_leaves_the_window_as_it_was();
    void clicking_a_number_box_empties_it_and_changes_nothing_else_data();
    void clicking_a_number_box_empties_it_and_changes_nothing_else();
    void tabbing_into_a_number_box_keeps_its_text_data();
    void tabbing_into_a_number_box_keeps_its_text();

    // frm_test_slowrun.cpp: the step-by-step run.
    void a_slow_run_paints_each_ladder_step_before_the_next();
    void input_during_a_slow_run_is_dropped_and_never_acted_on_afterwards();
    void each_pause_of_a_slow_run_ends_at_the_next_tick_of_the_clock();
    void closing_the_window_during_a_slow_run_stops_the_run_at_once();
    void resizing_the_window_during_a_slow_run_scales_what_is_drawn();
    void a_run_lays_the_form_out_at_most_twice_data();
    void a_run_lays_the_form_out_at_most_twice();

    // frm_test_paces.cpp: "pas a pas", and a speed chosen during a run.
    void a_step_by_step_run_goes_on_at_each_continue_key_or_click_data();
    void a_step_by_step_run_goes_on_at_each_continue_key_or_click();
    void a_speed_chosen_during_a_run_holds_from_the_pause_under_way_data();
    void a_speed_chosen_during_a_run_holds_from_the_pause_under_way();
};
