program Average;
{ Reads marks until a zero and prints their average. }
var
  mark, total, count: integer;
begin
  total := 0; count := 0;
  (* an empty list gives no average *)
  repeat
    readln(mark);
    if mark <> 0 then
    begin
      total := total + mark;
      count := count + 1
    end
  until mark = 0;
  if count > 0 then
    writeln('Average: ', total / count:0:2)
  else
    writeln('No marks; it''s empty')
end.
