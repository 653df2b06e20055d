#include "ui/wing_controls.h"

#include "document/aircraft_text.h"

namespace ws {

const WingControlNames& wingControlNames(int w) {
    // clang-format off
    static const WingControlNames names[kMaxWings] = {
        {"TabSheet1", "Panel2", "Edit01",
         {nullptr, "Edit1", "Edit2", "Edit3", "Edit14y"},
         {nullptr, "Edit4", "Edit5", "Edit6", "Edit7", "Edit14x"},
         {nullptr, nullptr, "Edit8", "Edit9", "Edit10", "Edit14xx"},
         {nullptr, "RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
         "Image_W", "Image1", "Image5", "Edit_x1", "Edit_z1",
         "Label1", "Label2", "Label3", "Label4", "Label5",
         "Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1",
         "Label25", "Label_anp1", "Label_sp1", "Label_sp2"},
        {"TabSheet2", "Panel3", "Edit02",
         {nullptr, "Edit11", "Edit12", "Edit13", "Edit24y"},
         {nullptr, "Edit14", "Edit15", "Edit16", "Edit17", "Edit24x"},
         {nullptr, nullptr, "Edit18", "Edit19", "Edit20", "Edit24xx"},
         {nullptr, "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
         "Image_W2", "Image11", "Image55", "Edit_x2", "Edit_z2",
         "Label6", "Label7", "Label8", "Label9", "Label10",
         "Label_b2", "Label_s2", "Label_lm2", "Label_r252", "Label_lam2",
         "Label26", "Label_anp2", "Label_sp3", "Label_sp4"},
        {"TabSheet3", "Panel4", "Edit03",
         {nullptr, "Edit21", "Edit22", "Edit23", "Edit34y"},
         {nullptr, "Edit24", "Edit25", "Edit26", "Edit27", "Edit34x"},
         {nullptr, nullptr, "Edit28", "Edit29", "Edit30", "Edit34xx"},
         {nullptr, "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
         "Image_W3", "Image111", "Image555", "Edit_x3", "Edit_z3",
         "Label16", "Label17", "Label18", "Label19", "Label20",
         "Label_b3", "Label_s3", "Label_lm3", "Label_r253", "Label_lam3",
         "Label27", "Label_anp3", "Label_sp5", "Label_Sp6"},
    };
    // clang-format on
    return names[w - 1];
}

WingFieldPlaces wingFieldPlaces(int w) {
    // Each field beside the arrow of the dimension it holds on the sketch.
    WingFieldPlaces p{};
    p.gap = {59, 79, 60};
    p.span = {{{}, {256, 79, 60}, {492, 79, 61}, {699, 79, 60}, {798, 79, 60}}};
    p.offset = {{{}, {}, {374, 95, 60}, {620, 98, 61}, {748, 128, 61}, {837, 138, 60}}};
    p.chord = {{{}, {118, 167, 60}, {374, 187, 60}, {620, 197, 61}, {748, 217, 61}, {837, 246, 60}}};
    p.warning2Left = 7;
    // The wing-2 and wing-3 pages were laid out by hand a few pixels apart.
    if (w == 2) {
        p.span[2].left = 496;
        p.warning2Left = 10;
    } else if (w == 3) {
        p.span[2].left = 502;
        p.span[3].left = 689;
    }
    return p;
}

const char* fieldObjectName(int w, int field) {
    const WingControlNames& n = wingControlNames(w);
    if (field < kGapField) return n.chord[field - kChordField + 1];
    if (field == kGapField) return n.gap;
    if (field < kOffsetField) return n.span[field - kSpanField + 1];
    if (field < kPosXField) return n.offset[field - kOffsetField + 2];
    return field == kPosXField ? n.posX : n.posZ;
}

}  // namespace ws
