#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {

// The expression rules every built-in language shares, and the initial value
// of a declaration: only the tokens differ, and those are the language's own
// rules `factor`, `relop`, `addop`, `mulop` and `designator`. In the comments, [x] names the element a rule writes to
// the syntax tree.
const std::string_view kExpressionRules = R"xml(
  <!-- [expr] simpleexpression { relop simpleexpression } -->
  <expression node="expr">
    <simpleexpression/>
    <optionalloop>
      <relop/>
      <simpleexpression err="err2"/>
    </optionalloop>
  </expression>

  <simpleexpression>
    <optional><char text="-" add="op" addtext="unminus"/></optional>
    <term/>
    <optionalloop>
      <addop/>
      <term err="err2"/>
    </optionalloop>
  </simpleexpression>

  <term>
    <factor/>
    <optionalloop>
      <mulop/>
      <factor err="err2"/>
    </optionalloop>
  </term>

  <!-- X in angle brackets: a call of Get with the raw text X as a string argument -->
  <anglebrackets node="dsgn">
    <char text="&#60;" add="node" addtext="Get"/>
    <frstring node="expr" add="string" err="err20"/>
    <char text="&#62;" err="err20"/>
  </anglebrackets>

  <!-- [set] setnode { , setnode } -->
  <setconstructor node="set">
    <setnode/>
    <optionalloop>
      <char text=","/>
      <setnode err="err2"/>
    </optionalloop>
  </setconstructor>

  <!-- expression [ .. expression ], the first period added as [range] -->
  <setnode>
    <expression/>
    <optional>
      <char text="." add="range"/>
      <char text="." skip="0"/>
      <expression err="err2"/>
    </optional>
  </setnode>

<!-- [init] = expression -->
  <initvalue node="init">
    <char text="="/>
    <expression err="err2"/>
  </initvalue>

  <exprlist>
    <optional>
      <expression/>
      <optionalloop>
        <char text=","/>
        <expression err="err2"/>
      </optionalloop>
    </optional>
  </exprlist>
)xml";

std::string Assemble(std::string_view head, std::initializer_list<std::string_view> rules) {
    std::string text(head);
    for (std::string_view r : rules) text += r;
    text += kExpressionRules;
    return text + "</language>\n";
}

} // namespace orv::grammars
