#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {

// In the comments, [x] names the element a rule writes to the syntax tree.
// Elements beyond the Pascal ones: [dowhilestmt] (a statement, then the
// condition), [cforstmt] ([forinit], the condition, [forstep], the body),
// [delete]. An assignment with an [op] child before its expression is a
// compound one (a += b, and a++ with the expression 1). [exit] may hold the
// expression a return gives back.
const std::string_view kCLikeRules = R"xml(

  <factor>
    <switch>
      <designator/>
      <number add="number"/>
      <string add="string"/>
      <sequence>
        <char text="("/>
        <expression err="err2"/>
        <char text=")" err="err7"/>
      </sequence>
      <sequence>
        <char text="!" add="op" addtext="not"/>
        <factor err="err2"/>
      </sequence>
      <sequence>
        <char text="["/>
        <setconstructor/>
        <char text="]" err="err8"/>
      </sequence>
      <sequence node="new">
        <keyword text="new"/>
        <designator err="err1"/>
      </sequence>
      <anglebrackets/>
    </switch>
  </factor>

  <relop>
    <switch>
      <sequence add="op" addtext="&#62;="><char text="&#62;"/><char text="=" skip="0"/></sequence>
      <sequence add="op" addtext="&#60;="><char text="&#60;"/><char text="=" skip="0"/></sequence>
      <char text="&#62;" add="op"/>
      <char text="&#60;" add="op"/>
      <sequence add="op" addtext="="><char text="="/><char text="=" skip="0"/></sequence>
      <sequence add="op" addtext="&#60;&#62;"><char text="!"/><char text="=" skip="0"/></sequence>
      <keyword text="in" add="op" addtext="in"/>
      <keyword text="is" add="op" addtext="is"/>
    </switch>
  </relop>

  <addop>
    <switch>
      <char text="+" add="op"/>
      <char text="-" add="op"/>
      <sequence add="op" addtext="or"><char text="|"/><char text="|"/></sequence>
      <char text="^" add="op" addtext="xor"/>
    </switch>
  </addop>

  <mulop>
    <switch>
      <char text="*" add="op"/>
      <char text="/" add="op"/>
      <keyword text="div" add="op" addtext="div"/>
      <char text="%" add="op" addtext="mod"/>
      <sequence add="op" addtext="and"><char text="&#38;"/><char text="&#38;"/></sequence>
      <sequence add="op" addtext="shl"><char text="&#60;"/><char text="&#60;" skip="0"/></sequence>
      <sequence add="op" addtext="shr"><char text="&#62;"/><char text="&#62;" skip="0"/></sequence>
    </switch>
  </mulop>

  <designator node="dsgn">
    <optional><char text="&#38;" add="addr"/></optional>
    <ident add="node"/>
    <optionalloop>
      <switch>
        <sequence>
          <char text="."/>
          <keyword add="node"/>
        </sequence>
        <sequence>
          <char text="["/>
          <exprlist/>
          <char text="]" err="err8"/>
        </sequence>
        <sequence>
          <char text="("/>
          <exprlist/>
          <char text=")" err="err7"/>
        </sequence>
      </switch>
    </optionalloop>
  </designator>

  <!-- statements common to both languages -->
  <commonstmt>
    <switch>
      <compoundstmt/>
      <ifstmt/>
      <whilestmt/>
      <dowhilestmt/>
      <cforstmt/>
      <switchstmt/>
      <trystmt/>
      <returnstmt/>
      <sequence><keyword text="break" node="break"/><semicolon/></sequence>
      <sequence><keyword text="continue" node="continue"/><semicolon/></sequence>
      <deletestmt/>
    </switch>
  </commonstmt>

  <!-- [compoundstmt] { statement... } -->
  <compoundstmt node="compoundstmt">
    <char text="{"/>
    <optionalloop><statement/></optionalloop>
    <char text="}" err="err11"/>
  </compoundstmt>

  <!-- [ifstmt] if ( expression ) statement as [thenstmt] [ else statement as [elsestmt] ] -->
  <ifstmt node="ifstmt">
    <keyword text="if"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <statement node="thenstmt" err="err3"/>
    <optional>
      <keyword text="else"/>
      <statement node="elsestmt" err="err3"/>
    </optional>
  </ifstmt>

  <!-- [whilestmt] while ( expression ) statement -->
  <whilestmt node="whilestmt">
    <keyword text="while"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <statement err="err3"/>
  </whilestmt>

  <!-- [dowhilestmt] do statement while ( expression ) -->
  <dowhilestmt node="dowhilestmt">
    <keyword text="do"/>
    <statement err="err3"/>
    <keyword text="while" err="err14"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <semicolon/>
  </dowhilestmt>

  <!-- a declaration or a simple statement -->
  <forinit>
    <switch>
      <vardeclaration/>
      <simplestatement/>
    </switch>
  </forinit>

  <!-- [cforstmt] for ( [forinit] ; [ expression ] ; [forstep] ) statement -->
  <cforstmt node="cforstmt">
    <keyword text="for"/>
    <char text="(" err="err12"/>
    <sequence node="forinit"><optional><forinit/></optional></sequence>
    <char text=";" err="err5"/>
    <optional><expression/></optional>
    <char text=";" err="err5"/>
    <sequence node="forstep"><optional><simplestatement/></optional></sequence>
    <char text=")" err="err7"/>
    <statement err="err3"/>
  </cforstmt>

  <!-- [casestmt] switch ( expression ) { case set: statements as [caseselector] ... default: statements as [elsestmt] } -->
  <switchstmt node="casestmt">
    <keyword text="switch"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <char text="{" err="err10"/>
    <optionalloop>
      <sequence node="caseselector">
        <keyword text="case"/>
        <setconstructor err="err2"/>
        <char text=":" err="err4"/>
        <optionalloop><statement/></optionalloop>
      </sequence>
    </optionalloop>
    <optional>
      <sequence node="elsestmt">
        <keyword text="default"/>
        <char text=":" err="err4"/>
        <optionalloop><statement/></optionalloop>
      </sequence>
    </optional>
    <char text="}" err="err11"/>
  </switchstmt>

  <!-- [trystmt] try { } ( finally { } as [finallystmt] | except { } as [exceptstmt] ) -->
  <trystmt node="trystmt">
    <keyword text="try"/>
    <compoundstmt err="err10"/>
    <switch err="err17">
      <sequence node="finallystmt">
        <keyword text="finally"/>
        <compoundstmt err="err10"/>
      </sequence>
      <sequence node="exceptstmt">
        <keyword text="except"/>
        <compoundstmt err="err10"/>
      </sequence>
    </switch>
  </trystmt>

  <!-- [exit] return [ expression ] -->
  <returnstmt node="exit">
    <keyword text="return"/>
    <optional><expression/></optional>
    <semicolon/>
  </returnstmt>

  <!-- [delete] delete designator -->
  <deletestmt node="delete">
    <keyword text="delete"/>
    <designator err="err1"/>
    <semicolon/>
  </deletestmt>

  <simplestatement>
    <switch>
      <assignstmt/>
      <callstmt/>
    </switch>
  </simplestatement>

  <!-- [assignstmt] designator = expression; a compound assignment or an increment adds its [op] -->
  <assignstmt node="assignstmt">
    <designator/>
    <switch>
      <sequence>
        <char text="="/>
        <expression err="err2"/>
      </sequence>
      <sequence>
        <switch>
          <sequence><char text="+"/><char text="=" skip="0" add="op" addtext="+"/></sequence>
          <sequence><char text="-"/><char text="=" skip="0" add="op" addtext="-"/></sequence>
          <sequence><char text="*"/><char text="=" skip="0" add="op" addtext="*"/></sequence>
          <sequence><char text="/"/><char text="=" skip="0" add="op" addtext="/"/></sequence>
        </switch>
        <expression err="err2"/>
      </sequence>
      <sequence>
        <switch>
          <sequence><char text="+"/><char text="+" skip="0" add="op" addtext="+"/></sequence>
          <sequence><char text="-"/><char text="-" skip="0" add="op" addtext="-"/></sequence>
        </switch>
        <empty node="expr" add="number" addtext="1"/>
      </sequence>
    </switch>
  </assignstmt>

  <!-- [callstmt] designator -->
  <callstmt node="callstmt">
    <designator/>
  </callstmt>
)xml";

} // namespace orv::grammars
