#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {
namespace {

// Line ends are tokens: every statement ends with one (the end of the text
// counts as one). In the comments, [x] names the element a rule writes to the
// syntax tree. Elements beyond the Pascal ones: [step] (the step of a FOR),
// [delete]; an [exit] may hold the expression a RETURN gives back; an [init]
// of a DIM belongs to the whole list.
const std::string_view kRules = R"xml(<?xml version="1.0"?>
<language text="BasicScript">
  <parser>
    <commentline1 text="'"/>
    <commentline2 text="rem"/>
    <commentblock1 text="/\,/\"/>
    <commentblock2 text="/\,/\"/>
    <stringquotes text="&#34;"/>
    <hexsequence text="0x"/>
    <declarevars text="0"/>
    <skipeol text="0"/>
    <skipchar text="_"/>
    <keywords>
      <addressof/><and/><as/><byref/><byval/><case/><catch/><delete/><dim/><do/>
      <else/><elseif/><end/><endif/><exit/><finally/><for/><function/><if/><imports/>
      <is/><loop/><mod/><new/><next/><not/><or/><rem/><return/><select/>
      <set/><step/><sub/><then/><to/><try/><wend/><while/><with/><xor/>
    </keywords>
    <errors>
      <err1 text="Identifier expected"/>
      <err2 text="Expression expected"/>
      <err3 text="End of line expected"/>
      <err4 text="':' expected"/>
      <err5 text="';' expected"/>
      <err6 text="'.' expected"/>
      <err7 text="')' expected"/>
      <err8 text="']' expected"/>
      <err9 text="'=' expected"/>
      <err10 text="'TO' expected"/>
      <err11 text="'END' expected"/>
      <err12 text="'(' expected"/>
      <err13 text="'THEN' expected"/>
      <err14 text="'WHILE' expected"/>
      <err15 text="'CASE' expected"/>
      <err16 text="'SELECT' expected"/>
      <err17 text="'FINALLY' or 'CATCH' expected"/>
      <err18 text="'[' expected"/>
      <err19 text="'..' expected"/>
      <err20 text="'&#62;' expected"/>
      <err21 text="'WEND' expected"/>
      <err22 text="'NEXT' expected"/>
      <err23 text="'WITH' expected"/>
      <err24 text="'TRY' expected"/>
      <err25 text="'SUB' expected"/>
      <err26 text="'FUNCTION' expected"/>
      <err27 text="'ELSE' expected"/>
      <err28 text="'IF' expected"/>
    </errors>
  </parser>
  <types>
    <decimal type="Extended"/>
  </types>
  <empty/>

  <!-- program: lines, each a statement (a SUB, FUNCTION or IMPORTS among them) or nothing -->
  <program>
    <lines/>
  </program>

  <lines>
    <optionalloop>
      <switch>
        <eol/>
        <sequence>
          <statement/>
          <eol err="err3"/>
        </sequence>
      </switch>
    </optionalloop>
  </lines>

  <statement>
    <switch>
      <dimstmt/>
      <ifstmt/>
      <selectstmt/>
      <forstmt/>
      <dostmt/>
      <whilestmt/>
      <trystmt/>
      <withstmt/>
      <exitstmt/>
      <returnstmt/>
      <subdecl/>
      <functiondecl/>
      <importsstmt/>
      <deletestmt/>
      <assignstmt/>
      <callstmt/>
    </switch>
  </statement>

  <!-- [uses] IMPORTS "file" { , "file" } with each as [file] -->
  <importsstmt node="uses">
    <keyword text="imports"/>
    <loop text="," err="err2"><string add="file"/></loop>
  </importsstmt>

  <!-- [var] DIM name { , name } [ AS type ] [ = expression as [init] ] -->
  <dimstmt node="var">
    <keyword text="dim"/>
    <dimname err="err1"/>
    <optionalloop>
      <char text=","/>
      <dimname err="err1"/>
    </optionalloop>
    <optional><astype/></optional>
    <optional><initvalue/></optional>
  </dimstmt>

  <!-- AS type, the type as [type] -->
  <astype>
    <keyword text="as"/>
    <ident add="type" err="err1"/>
  </astype>

  <!-- name [ ( dims ) as [array] ] -->
  <dimname>
    <ident add="ident"/>
    <optional>
      <sequence node="array">
        <char text="("/>
        <sequence node="dim"><expression err="err2"/></sequence>
        <optionalloop>
          <char text=","/>
          <sequence node="dim"><expression err="err2"/></sequence>
        </optionalloop>
        <char text=")" err="err7"/>
      </sequence>
    </optional>
  </dimname>

  <!-- [ifstmt] IF expression THEN statement [ ELSE statement ] on one line, or
       IF expression THEN lines { ELSEIF ... } [ ELSE lines ] END IF, with the
       branches as [thenstmt] and [elsestmt]; an ELSEIF is an [ifstmt] inside the [elsestmt] -->
  <ifstmt node="ifstmt">
    <keyword text="if"/>
    <expression err="err2"/>
    <keyword text="then" err="err13"/>
    <switch>
      <sequence>
        <eol/>
        <lines node="thenstmt"/>
        <optional><elsepart/></optional>
        <switch err="err11">
          <keyword text="endif"/>
          <sequence>
            <keyword text="end"/>
            <keyword text="if" err="err28"/>
          </sequence>
        </switch>
      </sequence>
      <sequence>
        <statement node="thenstmt" err="err3"/>
        <optional>
          <keyword text="else"/>
          <statement node="elsestmt" err="err3"/>
        </optional>
      </sequence>
    </switch>
  </ifstmt>

  <elsepart>
    <switch>
      <sequence node="elsestmt">
        <sequence node="ifstmt">
          <keyword text="elseif"/>
          <expression err="err2"/>
          <keyword text="then" err="err13"/>
          <eol err="err3"/>
          <lines node="thenstmt"/>
          <optional><elsepart/></optional>
        </sequence>
      </sequence>
      <sequence node="elsestmt">
        <keyword text="else"/>
        <eol err="err3"/>
        <lines/>
      </sequence>
    </switch>
  </elsepart>

  <!-- [casestmt] SELECT CASE expression { CASE set lines as [caseselector] } [ CASE ELSE lines as [elsestmt] ] END SELECT -->
  <selectstmt node="casestmt">
    <keyword text="select"/>
    <keyword text="case" err="err15"/>
    <expression err="err2"/>
    <eol err="err3"/>
    <optionalloop><eol/></optionalloop>
    <optionalloop>
      <sequence node="caseselector">
        <keyword text="case"/>
        <setconstructor/>
        <eol err="err3"/>
        <lines/>
      </sequence>
    </optionalloop>
    <optional>
      <sequence node="elsestmt">
        <keyword text="case"/>
        <keyword text="else" err="err27"/>
        <eol err="err3"/>
        <lines/>
      </sequence>
    </optional>
    <keyword text="end" err="err11"/>
    <keyword text="select" err="err16"/>
  </selectstmt>

  <!-- [forstmt] FOR name = expression TO expression [ STEP expression as [step] ] lines NEXT [ name ] -->
  <forstmt node="forstmt">
    <keyword text="for"/>
    <ident add="ident" err="err1"/>
    <char text="=" err="err9"/>
    <expression err="err2"/>
    <keyword text="to" err="err10"/>
    <expression err="err2"/>
    <optional>
      <sequence node="step">
        <keyword text="step"/>
        <expression err="err2"/>
      </sequence>
    </optional>
    <eol err="err3"/>
    <lines/>
    <keyword text="next" err="err22"/>
    <optional><ident/></optional>
  </forstmt>

  <!-- [whilestmt] DO WHILE expression lines LOOP -->
  <dostmt node="whilestmt">
    <keyword text="do"/>
    <keyword text="while" err="err14"/>
    <expression err="err2"/>
    <eol err="err3"/>
    <lines/>
    <keyword text="loop"/>
  </dostmt>

  <!-- [whilestmt] WHILE expression lines WEND -->
  <whilestmt node="whilestmt">
    <keyword text="while"/>
    <expression err="err2"/>
    <eol err="err3"/>
    <lines/>
    <keyword text="wend" err="err21"/>
  </whilestmt>

  <!-- [trystmt] TRY lines ( FINALLY lines as [finallystmt] | CATCH lines as [exceptstmt] ) END TRY -->
  <trystmt node="trystmt">
    <keyword text="try"/>
    <eol err="err3"/>
    <lines/>
    <switch err="err17">
      <sequence node="finallystmt">
        <keyword text="finally"/>
        <eol err="err3"/>
        <lines/>
      </sequence>
      <sequence node="exceptstmt">
        <keyword text="catch"/>
        <eol err="err3"/>
        <lines/>
      </sequence>
    </switch>
    <keyword text="end" err="err11"/>
    <keyword text="try" err="err24"/>
  </trystmt>

  <!-- [with] WITH designator lines END WITH -->
  <withstmt node="with">
    <keyword text="with"/>
    <designator err="err1"/>
    <eol err="err3"/>
    <lines/>
    <keyword text="end" err="err11"/>
    <keyword text="with" err="err23"/>
  </withstmt>

  <!-- EXIT FOR, EXIT DO and EXIT WHILE as [break]; EXIT SUB, EXIT FUNCTION as [exit] -->
  <exitstmt>
    <keyword text="exit"/>
    <switch>
      <keyword text="for" node="break"/>
      <keyword text="do" node="break"/>
      <keyword text="while" node="break"/>
      <sequence node="exit">
        <optionalswitch>
          <keyword text="sub"/>
          <keyword text="function"/>
        </optionalswitch>
      </sequence>
    </switch>
  </exitstmt>

  <!-- [exit] RETURN [ expression ] -->
  <returnstmt node="exit">
    <keyword text="return"/>
    <optional><expression/></optional>
  </returnstmt>

  <!-- [delete] DELETE designator -->
  <deletestmt node="delete">
    <keyword text="delete"/>
    <designator err="err1"/>
  </deletestmt>

  <!-- [procedure] SUB name [ ( parameters ) ] lines END SUB -->
  <subdecl node="procedure">
    <keyword text="sub"/>
    <ident add="name" err="err1"/>
    <optional><formalparameters/></optional>
    <eol err="err3"/>
    <lines/>
    <keyword text="end" err="err11"/>
    <keyword text="sub" err="err25"/>
  </subdecl>

  <!-- [function] FUNCTION name [ ( parameters ) ] [ AS type ] lines END FUNCTION -->
  <functiondecl node="function">
    <keyword text="function"/>
    <ident add="name" err="err1"/>
    <optional><formalparameters/></optional>
    <optional><astype/></optional>
    <eol err="err3"/>
    <lines/>
    <keyword text="end" err="err11"/>
    <keyword text="function" err="err26"/>
  </functiondecl>

  <!-- [parameters] ( [ parameter { , parameter } ] ) -->
  <formalparameters node="parameters">
    <char text="("/>
    <optionalloop text=","><parameter/></optionalloop>
    <char text=")" err="err7"/>
  </formalparameters>

  <!-- [var] [ BYVAL ] name [ AS type ] [ = default as [init] ]; BYREF puts the [var] inside [varparams] -->
  <parameter>
    <switch>
      <sequence node="varparams">
        <keyword text="byref"/>
        <parametername err="err1"/>
      </sequence>
      <sequence>
        <optional><keyword text="byval"/></optional>
        <parametername/>
      </sequence>
    </switch>
  </parameter>

  <parametername node="var">
    <ident add="ident"/>
    <optional><astype/></optional>
    <optional><initvalue/></optional>
  </parametername>

  <!-- [assignstmt] [ SET ] designator = expression -->
  <assignstmt node="assignstmt">
    <optional><keyword text="set"/></optional>
    <designator/>
    <char text="="/>
    <expression err="err2"/>
  </assignstmt>

  <!-- [callstmt] designator -->
  <callstmt node="callstmt">
    <designator/>
  </callstmt>

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
        <keyword text="not" add="op" addtext="not"/>
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
      <sequence add="op" addtext="&#60;&#62;"><char text="&#60;"/><char text="&#62;" skip="0"/></sequence>
      <sequence add="op" addtext="&#60;="><char text="&#60;"/><char text="=" skip="0"/></sequence>
      <char text="&#62;" add="op"/>
      <char text="&#60;" add="op"/>
      <char text="=" add="op"/>
      <keyword text="in" add="op" addtext="in"/>
      <keyword text="is" add="op" addtext="is"/>
    </switch>
  </relop>

  <addop>
    <switch>
      <char text="+" add="op"/>
      <char text="-" add="op"/>
      <char text="&#38;" add="op" addtext="strcat"/>
      <keyword text="or" add="op" addtext="or"/>
      <keyword text="xor" add="op" addtext="xor"/>
    </switch>
  </addop>

  <mulop>
    <switch>
      <char text="*" add="op"/>
      <char text="/" add="op"/>
      <char text="\" add="op" addtext="div"/>
      <keyword text="mod" add="op" addtext="mod"/>
      <keyword text="and" add="op" addtext="and"/>
    </switch>
  </mulop>

  <designator node="dsgn">
    <optional><keyword text="addressof" add="addr"/></optional>
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

)xml";

} // namespace

std::string BasicScript() { return Assemble(kRules, {}); }

} // namespace orv::grammars
