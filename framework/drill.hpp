// The drill's named global state, held in one context object that every routine receives.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/unit.hpp"
#include "runtime/runtime.hpp"

namespace drill {

// An array with bound n (indexes 0..n); an index outside them is a run-time error, which the
// error trap turns into the error screen.
template <typename T, int Bound>
class Array {
 public:
  T& operator[](int i) { return items_[Check(i)]; }
  const T& operator[](int i) const { return items_[Check(i)]; }
  static constexpr int bound() { return Bound; }
  void Fill(const T& value) { items_.fill(value); }

 private:
  static size_t Check(int i) {
    if (i < 0 || i > Bound) throw std::out_of_range("index " + std::to_string(i) + " out of range");
    return static_cast<size_t>(i);
  }
  std::array<T, Bound + 1> items_{};
};

// The same with a bound set at run time (SFU, bounded by the unit's problem count).
template <typename T>
class DynamicArray {
 public:
  void Create(int bound) { items_.assign(static_cast<size_t>(bound + 1), T{}); }
  T& operator[](int i) {
    if (i < 0 || static_cast<size_t>(i) >= items_.size())
      throw std::out_of_range("index " + std::to_string(i) + " out of range");
    return items_[static_cast<size_t>(i)];
  }

 private:
  std::vector<T> items_;
};

struct Drill {
  // The problem count and the per-problem arrays come from the unit's table.
  Drill(Runtime& runtime, const UnitDefinition& unit)
      : rt(runtime), unit(unit) {
    SFU.Create(unit.ProblemCount());
    first_try_written.Create(unit.ProblemCount());
    record = NewSessionRecord(unit.program, unit.title, unit.ProblemCount());
  }

  Runtime& rt;
  const UnitDefinition& unit;

  // Per-program constants and layout anchors.
  float KAIX = 480, KAIY = 540;

  // Problem arrays.
  Array<std::string, 40> F_s, T_s;
  Array<float, 40> F, T;
  DynamicArray<float> SFU;
  DynamicArray<float> first_try_written;  // 1 once problem k's first-try mark is in the strip
  Array<std::string, 5> TANI_s;
  Array<Array<std::string, 5>, 2> TKAI_s;
  Array<std::string, 10> KKAI_s;
  Array<float, 5> XW_end, YW_end;  // where blank k ended (the editor's arrays XW(), YW())

  // Sequencer.
  int IM = 0;
  int KAI = 0;
  int FF = 0;
  int FMIRU = 0, MIRU = 0;
  int JALKAI = 0, JAKAI3 = 0;

  // The session's record for the teacher, reported to the platform's keeper as it changes.
  SessionRecord record;
  // A kept session was taken up: its strip shows in the main menu, and the next practice start
  // goes on with its series instead of starting a new one.
  bool taking_up_series = false;

  // Answer contract and editor.
  int KOTAE_SU = 1, KOTAE_SU1 = 1;
  std::string SKAI_s, TKAI1_s, TKAI2_s, AINP_s, I_s, UB_s, UC_s;
  float XW = 0, YW = 0, AAX = 0, AAY = 0, UBX = 0, UBXO = 0;
  float answer_right = 0;        // where the finished answer line ends, its blanks' marks included
  float mark_x = 0, mark_y = 0;  // centre of the right/wrong mark beside the answer

  // The renderer takes its pen and root state as arguments; these remain for other parts: AA_s
  // the point text ParsePointText reads, A_s ReadNumber's line and NumberTextStep's exponent-code
  // form, B_s and C_s NumberTextStep's working texts.
  std::string AA_s, A_s, B_s, C_s;
  // The answer editor's cursor (ReadNumber echoes from there too) and its open root (the number
  // of a RootState, recorded with each item the editor draws).
  float X = 0, Y = 0;
  int NROOT = 0;
  int HABA = 1;  // the hyperbola's step count

  // Number entry.
  float XX = 0;

  // Problem frame.
  float WX1 = 48, WY1 = 63, WX2 = 0, WY2 = 0;

  // Number-text step: the numbers A..N, P, Z (X and Y above) and their texts. F_ and G_ are the
  // numbers F and G, apart from the arrays F() and G().
  float A = 0, B = 0, C = 0, D = 0, E = 0, F_ = 0, G_ = 0, H = 0, I = 0, J = 0, K = 0, L = 0, M = 0,
        N = 0, P = 0, Z = 0;
  std::string TA_s, TB_s, TC_s, TD_s, TE_s, TF_s, TG_s, TH_s, TI_s, TJ_s, TK_s, TL_s, TM_s, TN_s,
      TX_s, TP_s, TY_s, TZ_s;

  // Problems.
  float D1 = 0, D2 = 0;
  float FMAESU = 0;
};

}  // namespace drill
